#include "text/regex_search.h"

#include <cstdint>

#include "text/pcre2_handles.h"

namespace vantrel {

namespace {

static_assert(PCRE2_UNSET == RegexMatches::kUnset);

// Steps of backtracking from one start position (the count begins afresh at each). A lazy
// group running over a whole 1.5 MB page on one line takes about one step per character;
// catastrophic backtracking reaches the limit within a fraction of a second.
constexpr std::uint32_t kMatchLimit = 10'000'000;
// Nested backtracking points, which also bound the interpreter's heap. The system's
// patterns need a handful; a group repeated along a line needs about two per repetition.
constexpr std::uint32_t kDepthLimit = 250'000;
// The compiled code's own stack: large enough to give up at about the same depth as the
// interpreter instead of at the library's 32 KiB default.
constexpr std::size_t kJitStackStart = 32 * 1024;
constexpr std::size_t kJitStackMax = 4 * 1024 * 1024;

std::uint32_t CompileOptions(const RegexOptions& options) {
    // VBScript reads escapes and back references as JavaScript does: \xhh and \uhhhh name
    // a character, and a reference to a group that took no part matches the empty text.
    std::uint32_t flags =
        PCRE2_UTF | PCRE2_ALT_BSUX | PCRE2_MATCH_UNSET_BACKREF | PCRE2_DOLLAR_ENDONLY;
    if (options.ignoreCase) flags |= PCRE2_CASELESS;
    if (options.multiline) flags |= PCRE2_MULTILINE;
    return flags;
}

PCRE2_SPTR Units(const std::u16string& text) { return reinterpret_cast<PCRE2_SPTR>(text.c_str()); }

Pcre2Code Compile(const std::u16string& pattern, const RegexOptions& options) {
    const Pcre2CompileContext context(pcre2_compile_context_create(nullptr));
    if (!context) return nullptr;
    pcre2_set_newline(context.get(), PCRE2_NEWLINE_LF);
    int error = 0;
    PCRE2_SIZE errorOffset = 0;
    Pcre2Code code(pcre2_compile(Units(pattern), pattern.size(), CompileOptions(options), &error,
                                 &errorOffset, context.get()));
    // Where JIT is missing or refuses the pattern, the interpreter runs the same code.
    if (code) pcre2_jit_compile(code.get(), PCRE2_JIT_COMPLETE);
    return code;
}

// Lives as long as the search: the match context refers to the JIT stack.
struct MatchLimits {
    MatchLimits()
        : context(pcre2_match_context_create(nullptr)),
          jitStack(pcre2_jit_stack_create(kJitStackStart, kJitStackMax, nullptr)) {
        if (!context) return;
        pcre2_set_match_limit(context.get(), kMatchLimit);
        pcre2_set_depth_limit(context.get(), kDepthLimit);
        if (jitStack) pcre2_jit_stack_assign(context.get(), nullptr, jitStack.get());
    }

    Pcre2MatchContext context;
    Pcre2JitStack jitStack;
};

int CaptureCount(const pcre2_code* code) {
    std::uint32_t count = 0;
    pcre2_pattern_info(code, PCRE2_INFO_CAPTURECOUNT, &count);
    return static_cast<int>(count);
}

// The next search begins where a match ended, one character later after an empty match.
// Subjects come from GBK, which has no character outside the BMP: one unit is one character.
std::size_t NextSearchStart(std::size_t begin, std::size_t end) {
    return end > begin ? end : end + 1;
}

}  // namespace

std::optional<RegexMatches> FindMatches(const std::u16string& pattern,
                                        const std::u16string& subject,
                                        const RegexOptions& options) {
    const Pcre2Code code = Compile(pattern, options);
    if (!code) return std::nullopt;
    const MatchLimits limits;
    const Pcre2MatchData data(pcre2_match_data_create_from_pattern(code.get(), nullptr));
    if (!limits.context || !data) return std::nullopt;

    RegexMatches matches(CaptureCount(code.get()));
    // The subject is checked for valid UTF-16 once; checking again on every call would
    // make a search with many matches quadratic.
    std::uint32_t checkOption = 0;
    for (std::size_t start = 0; start <= subject.size();) {
        const int result = pcre2_match(code.get(), Units(subject), subject.size(), start,
                                       checkOption, data.get(), limits.context.get());
        if (result == PCRE2_ERROR_NOMATCH) break;
        if (result < 0) return std::nullopt;
        const PCRE2_SIZE* offsets = pcre2_get_ovector_pointer(data.get());
        matches.Add({offsets, 2 * pcre2_get_ovector_count(data.get())});
        if (!options.global) break;
        start = NextSearchStart(offsets[0], offsets[1]);
        checkOption = PCRE2_NO_UTF_CHECK;
    }
    return matches;
}

}  // namespace vantrel
