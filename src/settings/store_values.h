// How values of the model are written in the settings store: lengths as
// integers in 1/100 cm, paint styles as 17 comma-separated integers, fonts as
// their 14-field text, model texts (Windows-1252) as UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/logfont.h"
#include "document/diagram.h"
#include "settings/store.h"

namespace ordinax::settings {

// Centimetres from a stored value in hundredths of a centimetre.
double lengthFromStore(int hundredths);

// Hundredths of a centimetre, rounded to the nearest; limited to the int range
// (0 for a value that is not a number).
int lengthToStore(double centimetres);

// The 17 integers of the paint style separated by commas.
std::string paintStyleText(const document::PaintStyle& paint);

// Parses exactly 17 comma-separated integers (blanks around each allowed);
// nullopt for anything else.
std::optional<document::PaintStyle> parsePaintStyle(std::string_view text);

// Typed accessors over a store; a missing or unreadable value leaves `value`
// unchanged.
void readLength(const SettingsStore& store, const std::string& section, const std::string& key, double& value);
void readFont(const SettingsStore& store, const std::string& section, const std::string& key, base::LogFont& value);
void readPaint(const SettingsStore& store, const std::string& section, const std::string& key,
               document::PaintStyle& value);
// Reads a UTF-8 text of the store into a Windows-1252 model text.
void readModelText(const SettingsStore& store, const std::string& section, const std::string& key,
                   std::string& value);

void writeLength(SettingsStore& store, const std::string& section, const std::string& key, double value);
void writeFont(SettingsStore& store, const std::string& section, const std::string& key, const base::LogFont& value);
void writePaint(SettingsStore& store, const std::string& section, const std::string& key,
                const document::PaintStyle& value);
// Writes a Windows-1252 model text as UTF-8.
void writeModelText(SettingsStore& store, const std::string& section, const std::string& key,
                    const std::string& value);

}  // namespace ordinax::settings
