// The number fields' texts one render has read: a field's text is read once a
// render in its field's unit, however many references and number forms print
// it. Part of the render context, emptied when a render starts, with the
// document's currency that the readings depend on.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "engine/document/doc_model.h"
#include "engine/fields/number_reading.h"

namespace engine {

class number_reading_cache {
public:
    // The reading of `text` typed into `field`: the one kept, or `read()`'s,
    // kept from now on. A reading stays where it is until the cache is
    // emptied, so a number form may borrow it: a field whose value script
    // gave another text keeps a reading of each.
    template <typename Read>
    const number_reading& find_or_read(const doc_record* field, const std::wstring& text,
                                       Read read) {
        const auto kept = readings_.find(typed_view{field, text});
        if (kept != readings_.end()) return kept->second;
        return readings_.emplace(typed{field, text}, read()).first->second;
    }
    void clear() { readings_.clear(); }

private:
    struct typed {
        const doc_record* field;
        std::wstring text;
    };
    struct typed_view {
        const doc_record* field;
        std::wstring_view text;
    };
    struct same_typing {
        using is_transparent = void;
        template <typename A, typename B>
        bool operator()(const A& a, const B& b) const {
            return a.field == b.field && std::wstring_view(a.text) == std::wstring_view(b.text);
        }
    };
    struct typing_hash {
        using is_transparent = void;
        template <typename T>
        std::size_t operator()(const T& t) const {
            return std::hash<std::wstring_view>{}(t.text) ^ std::hash<const void*>{}(t.field);
        }
    };
    std::unordered_map<typed, number_reading, typing_hash, same_typing> readings_;
};

}  // namespace engine
