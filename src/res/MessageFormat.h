#pragma once

#include <QString>

#include <initializer_list>
#include <utility>

// Fills the named placeholders of a message ("%address%", "%title%",
// "%count%", ...) by plain text substitution.
//
// Names are given with their percent signs and matched without regard to
// letter case ("%version%" fills "%Version%"). The text is scanned once from
// left to right: an inserted value is never scanned again, so a value that
// itself contains a placeholder name (an address with "%title%" in it) is
// shown as it is. Placeholders without a value stay in the text.
namespace res {

using Placeholder = std::pair<QString, QString>; // name with percent signs, value

QString formatMessage(const QString& text, std::initializer_list<Placeholder> values);
// The string id from the string table, filled as above.
QString formatString(unsigned id, std::initializer_list<Placeholder> values);

} // namespace res
