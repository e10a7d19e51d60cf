#include "platform/engine_switches.h"

#include <algorithm>
#include <optional>

namespace platform {

namespace {

// The words as the engine reads them; nothing when a quote is left open.
std::optional<std::vector<std::string>> split_as_the_engine_does(std::string_view value) {
    std::vector<std::string> words;
    std::string word;
    bool in_word = false, quoted = false;
    for (char c : value) {
        if (c == '"') {
            quoted = !quoted;
            in_word = true;
        } else if (c == ' ' && !quoted) {
            if (in_word) words.push_back(std::move(word));
            word.clear();
            in_word = false;
        } else {
            word += c;
            in_word = true;
        }
    }
    if (quoted) return std::nullopt;
    if (in_word) words.push_back(std::move(word));
    return words;
}

// The switch's name, or nothing when the word is no switch.
std::optional<std::string_view> switch_name(std::string_view word) {
    if (word.starts_with("--"))
        word.remove_prefix(2);
    else if (word.starts_with("-"))
        word.remove_prefix(1);
    else
        return std::nullopt;
    word = word.substr(0, word.find('='));
    if (word.empty()) return std::nullopt;
    return word;
}

// A word holding a space is quoted whole; no word the split gives holds a quote.
void append_word(std::string& line, const std::string& word) {
    if (!line.empty()) line += ' ';
    const bool quote = word.empty() || word.find(' ') != std::string::npos;
    if (quote) line += '"';
    line += word;
    if (quote) line += '"';
}

}  // namespace

EngineSwitchLine engine_switch_line(std::string_view user, const std::vector<std::string>& ours,
                                    const std::vector<std::string>& guarded) {
    EngineSwitchLine result;
    const auto words = split_as_the_engine_does(user);
    result.unparsable = !words;
    if (words) {
        for (const std::string& word : *words) {
            if (word == "--") break;
            const auto name = switch_name(word);
            if (!name) continue;
            if (std::find(guarded.begin(), guarded.end(), *name) != guarded.end()) {
                result.left_out.push_back(word);
                continue;
            }
            append_word(result.line, word);
        }
    }
    for (const std::string& word : ours) append_word(result.line, word);
    return result;
}

}  // namespace platform
