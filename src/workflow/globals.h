#pragma once

#include <optional>

#include "text/regex_object.h"
#include "text/text.h"

namespace vantrel {

// The values that outlive one button press. The query writes the book's values and the
// list; the download reads them and writes the play page and media address per chapter.
extern Text gPlayPageText;
extern Text gBookId;
extern Text gCategory;
extern Text gBookName;
extern std::optional<RegexObject> gMediaUrlPattern;
extern Text gMediaUrl;
extern Text gBookPageText;
extern Text gBookPageCookies;
extern std::optional<RegexObject> gCategoryPattern;
extern std::optional<RegexObject> gBookNamePattern;
extern std::optional<RegexObject> gChapterPattern;
extern int gChapterIndex;
extern int gInsertedRow;

// Constructs the four pattern objects, in the order the program has always used.
void InitGlobals();

// The exit routine: releases every global and destroys the pattern objects.
void FreeGlobals();

}  // namespace vantrel
