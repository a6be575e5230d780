#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

// A text of the catalogue written whole, with named places: Fill("файл {file}, строка {line}",
// {{"file", name}, {"line", "17"}}). A place given no value is left as written, so a missing
// value shows in the text rather than vanishing.
using TextPlace = std::pair<std::string_view, std::string>;
std::string Fill(std::string_view pattern, std::initializer_list<TextPlace> places);
