#pragma once

#include <string>
#include <string_view>

#include "support/fixture_book.h"

namespace vantrel::test {

// The markup of the site's pages, as GBK bytes.

// A catalogue page: the book's name and category in the site's list markup, then one link
// per chapter whose text is the chapter's name followed by ".mp3".
std::string CataloguePage(const FixtureBook& book);

// A play page whose player script names mediaPath; without a path the script names none.
std::string PlayPage(std::string_view mediaPath);

// The path under which the media host serves chapter number (from 1) of book.
std::string MediaPath(const FixtureBook& book, int number);

}  // namespace vantrel::test
