#pragma once

#include <string>

#include "text/text.h"

namespace vantrel {

// The name a chapter is saved under, in UTF-8: the chapter's name made safe for a file
// name on Windows and Linux, then ".mp3". Whatever the name holds, the result names a file
// directly inside the download folder.
std::string ChapterFileName(const Text& chapterName);

}  // namespace vantrel
