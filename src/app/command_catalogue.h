#pragma once

#include <span>
#include <string_view>

namespace kelvara {

// What a command of the main window does. Kind and name together say which
// handler the window runs; a kind without a handler does nothing.
enum class ActionKind {
  kNone,     // does nothing, ever
  kCommand,  // a command of the main window itself (name: NewReading, ...)
  kReport,   // a reading that writes into the result document
  kWindow,   // opens a window (name: its class; number: 1 when non-modal)
  kArticle,  // the text viewer with article code `name`
  kPicture,  // the picture viewer with article `number`, titled by the caption
  kOmen,     // the omen window titled `name` on page `number`
  kPeriphery,  // the maker's contact points, help file and About box
};

struct Action {
  ActionKind kind = ActionKind::kNone;
  std::string_view name;
  int number = 0;
};

// One entry of the menu bar. Depth 0 is a top-level menu, 1 an item (or a
// submenu) of it, 2 an item of a submenu. A submenu is an entry followed by
// entries one level deeper.
struct MenuEntry {
  int depth = 0;
  std::string_view caption;
  Action action;
  bool separator_before = false;  // a group separator stands above it
  bool hidden = false;            // created but never shown
};

// The whole menu bar, top-level menus left to right, items in order.
std::span<const MenuEntry> MenuCatalogue();

// True when the entry at `index` opens a submenu (the next entry is deeper).
bool IsSubmenu(std::span<const MenuEntry> entries, std::size_t index);

}  // namespace kelvara
