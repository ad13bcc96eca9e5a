#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "refdata/reference_store.h"

namespace kelvara {

// Surname origins (姓氏起源): the table `xing` of TarselBirth.dll holds a
// surname (`xingl`) and the account of its origin (`intro`) per row.

// Every `xingl` of the table, blanks at either end removed, in the order a
// Chinese reader looks for them: by the pinyin of the surname as a surname is
// read (单 as shan, 曾 as zeng, 尉迟 as yuchi), compound surnames among the
// single ones (欧 before 欧阳 before 潘). Throws LookupError when the table
// cannot be read.
std::vector<std::string> SurnameList(const ReferenceStore& store);

// Sorts surnames into the order of SurnameList. Equal surnames keep their
// order.
void SortSurnames(std::vector<std::string>& surnames);

// The origin text of a surname: the `intro` of the first row whose `xingl`
// equals the trimmed surname (ASCII case ignored), with blanks at either end
// removed and every line break written "\n". nullopt when the trimmed surname
// is empty or no row has it. Throws LookupError when the table cannot be
// read.
std::optional<std::string> SurnameOrigin(const ReferenceStore& store,
                                         std::string_view surname);

}  // namespace kelvara
