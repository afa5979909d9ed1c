#include "support/fixture_book.h"

#include "support/silent_mp3.h"

namespace vantrel::test {

FixtureBook SampleBook(int chapterCount, double secondsPerChapter) {
    FixtureBook book{.id = "27417", .category = "评书,经典", .name = "三国演义", .chapters = {}};
    for (int number = 1; number <= chapterCount; ++number) {
        const std::string name = "第" + std::to_string(number) + "集";
        book.chapters.push_back({name, SilentMp3(book.name + " " + name, secondsPerChapter)});
    }
    return book;
}

}  // namespace vantrel::test
