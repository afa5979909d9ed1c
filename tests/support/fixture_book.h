#pragma once

#include <string>
#include <vector>

namespace vantrel::test {

// A book as the fixture site serves it. Texts are UTF-8 here; the site sends them as GBK.
struct FixtureChapter {
    std::string name;   // the link text is name + ".mp3"
    std::string audio;  // the media file's bytes
};

struct FixtureBook {
    std::string id;
    std::string category;
    std::string name;
    std::vector<FixtureChapter> chapters;
};

// Book 27417, "三国演义" in "评书,经典", chapters "第1集" ... with short silent MP3 files.
FixtureBook SampleBook(int chapterCount, double secondsPerChapter = 0.2);

}  // namespace vantrel::test
