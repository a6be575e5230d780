#include "app/MainForm.h"
#include "app/MainMenuTexts.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <string_view>

namespace {

// The letters a text marks with "&" ("&&" is an ampersand), upper-cased as a keyboard's
// Alt+letter finds them: Russian and Latin letters, and digits.
std::vector<char32_t> AccessKeys(std::string_view text) {
    std::vector<char32_t> keys;
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&')
            continue;
        if (text[++i] == '&')
            continue;
        const auto lead = static_cast<unsigned char>(text[i]);
        char32_t letter = lead;
        if (lead >= 0xC0 && i + 1 < text.size())
            letter = ((lead & 0x1F) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3F);
        if (letter >= U'а' && letter <= U'я')
            letter -= U'а' - U'А';
        if (letter >= U'a' && letter <= U'z')
            letter -= U'a' - U'A';
        keys.push_back(letter);
    }
    return keys;
}

// The menu bar: every menu and every item has one access key, and none repeats beside it, so
// Alt and a letter, or a letter in an open menu, always reach one item.
TEST(AccessKeys, EveryMenuAndItemHasOneKeyOfItsOwn) {
    std::set<char32_t> titles;
    std::map<std::string, std::set<char32_t>> items;
    for (const Command<MainForm>& command : MainForm::Table()) {
        const auto title = AccessKeys(command.Menu);
        const auto item = AccessKeys(command.Text);
        ASSERT_EQ(title.size(), 1u) << command.Menu;
        ASSERT_EQ(item.size(), 1u) << command.Text;
        if (items.find(command.Menu) == items.end()) {
            EXPECT_TRUE(titles.insert(title[0]).second) << command.Menu;
        }
        EXPECT_TRUE(items[command.Menu].insert(item[0]).second) << command.Text;
    }
    EXPECT_EQ(titles, (std::set<char32_t>{U'Ф', U'Р'}));
    // The recent files in "Файл" are reached by their digits.
    for (char32_t digit = U'1'; digit <= U'9'; ++digit)
        EXPECT_EQ(items[kFileMenu].count(digit), 0u);
}

} // namespace
