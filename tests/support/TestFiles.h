#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <random>
#include <span>
#include <sys/types.h>

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

// Overwrites the bytes of path from offset on (the file keeps its size
// when they fit).
bool overwriteTestFile(const QString& path, qint64 offset, const QByteArray& bytes);

// Closes the process's registry database (its log is folded in and gone)
// and leaves QUORRELIN_REGISTRY naming it, so that the next open finds the
// file as a test left it. Returns its path.
QString closeDefaultRegistry();

// Forks a child that runs setup, tells the parent whether it worked, then
// stays for holdMs (for ever when negative) and ends without any clean-up,
// keeping whatever setup took (a lock) until then. Returns the child's pid
// once setup has run, or -1 when it failed.
pid_t forkAndHold(const std::function<bool()>& setup, int holdMs = -1);

} // namespace testenv
