// The remembered screen placement of dialogs (section "WindowPos"): its text
// form and the rule that decides where a dialog reopens.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "settings/store.h"

namespace ordinax::settings {

inline constexpr const char* SectionWindowPos = "WindowPos";

// Dialogs whose placement is remembered; the name is the value's key.
inline constexpr std::array<const char*, 8> PlacedDialogs = {
    "LineDlg", "SymbolDlg", "BackColorDlg", "FittingDlg", "FrameDlg", "GridDlg", "LocateDlg", "ShadowDlg"};

// Screen coordinates in pixels, origin at the top left.
struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const Point&) const = default;
};

// Right and bottom are exclusive.
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    bool operator==(const Rect&) const = default;
};

struct WindowPlacement {
    std::uint32_t flags = 0;
    std::uint32_t showCommand = 0;
    Point minPosition;
    Point maxPosition;
    Rect normal;  // the window's rectangle when neither minimised nor maximised
    bool operator==(const WindowPlacement&) const = default;
};

// "flags,show,minX,minY,maxX,maxY,left,top,right,bottom".
std::string windowPlacementText(const WindowPlacement& placement);

// Parses the ten comma-separated numbers (blanks around each allowed; the
// first two unsigned); nullopt unless all ten are there and nothing else.
std::optional<WindowPlacement> parseWindowPlacement(std::string_view text);

// The placement stored for a dialog; nullopt when missing or malformed.
std::optional<WindowPlacement> readWindowPlacement(const SettingsStore& store, const std::string& dialogName);

// Stores the placement of a dialog when it closes.
void writeWindowPlacement(SettingsStore& store, const std::string& dialogName, const WindowPlacement& placement);

// Where a reopened dialog goes: the top-left corner of the stored rectangle
// when that rectangle overlaps one of the monitors, else nullopt (the dialog
// keeps its default place). The dialog keeps its current size either way.
std::optional<Point> restoredTopLeft(const WindowPlacement& placement, std::span<const Rect> monitors);

}  // namespace ordinax::settings
