#include "workflow/globals.h"

namespace vantrel {

Text gPlayPageText;
Text gBookId;
Text gCategory;
Text gBookName;
std::optional<RegexObject> gMediaUrlPattern;
Text gMediaUrl;
Text gBookPageText;
Text gBookPageCookies;
std::optional<RegexObject> gCategoryPattern;
std::optional<RegexObject> gBookNamePattern;
std::optional<RegexObject> gChapterPattern;
int gChapterIndex = 0;
int gInsertedRow = 0;

void InitGlobals() {
    gMediaUrlPattern.emplace();
    gCategoryPattern.emplace();
    gBookNamePattern.emplace();
    gChapterPattern.emplace();
}

void FreeGlobals() {
    gPlayPageText = Text();
    gBookId = Text();
    gCategory = Text();
    gBookName = Text();
    gMediaUrlPattern.reset();
    gMediaUrl = Text();
    gBookPageText = Text();
    gBookPageCookies = Text();
    gCategoryPattern.reset();
    gBookNamePattern.reset();
    gChapterPattern.reset();
}

}  // namespace vantrel
