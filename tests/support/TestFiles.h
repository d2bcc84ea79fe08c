#pragma once

#include <QByteArray>
#include <QString>

#include <random>
#include <span>

// Files and byte mutations shared by the tests of the file readers.
namespace testenv {

// Writes bytes to a new file called name in a fresh folder of the test's
// private world; returns its path.
QString writeTestFile(const QString& name, const QByteArray& bytes);
// The whole content of path; empty when it cannot be read.
QByteArray readTestFile(const QString& path);

// One to nine random edits of data: a byte changed, one of tokens inserted,
// a run removed or repeated, or the tail cut off. For random-input runs.
QByteArray mutateBytes(QByteArray data, std::mt19937& rng, std::span<const QByteArray> tokens);

} // namespace testenv
