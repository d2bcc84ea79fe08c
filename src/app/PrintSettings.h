#pragma once

#include <cstdio>

class CAppSettings;
class QTextStream;

// Writes the settings record as text, one "Name=value" line each, in this
// order: every scalar option in the order Load reads them (registry value
// names, numbers in signed decimal); AutoClose.count and AutoClose[i]=entry;
// ClosedWindows.count (the capacity) and ClosedWindows[i]=title|address for
// each non-empty slot; LinkGroups.count, LinkGroups[i]=name|startup|
// separator|linkcount and LinkGroups[i].Link[j]=name|url; QuickCommands.count
// and QuickCommands[i]=title|command|type|url; LastSessionGroup.count and
// LastSessionGroup[j]=name|url. Indices start at 0. So that every entry stays
// on its line, a carriage return or line feed inside a text is written as the
// two characters \r or \n.
void PrintSettings(const CAppSettings& settings, QTextStream& out);

// Loads the settings exactly as start-up does, from the registry opened for
// reading only (nothing is created, changed or moved, even when the file is
// damaged), and prints them to out as UTF-8. When the registry could not be
// read whole (missing rights, damage, device errors) the reason goes to err
// and the exit code is 1; otherwise it is 0.
int RunPrintSettings(FILE* out, FILE* err = stderr);
