// The pictures one render has shown: a picture file is read and encoded once
// a render, however many references name it. Part of the render context,
// emptied when a render starts, so that a file changed between two renders
// shows at the next.
#pragma once

#include <string>
#include <unordered_map>
#include <utility>

namespace engine {

class picture_cache {
public:
    // The tag kept under `key`, or null.
    const std::wstring* find(const std::wstring& key) const {
        auto found = tags_.find(key);
        return found == tags_.end() ? nullptr : &found->second;
    }
    const std::wstring& keep(std::wstring key, std::wstring tag) {
        return tags_.insert_or_assign(std::move(key), std::move(tag)).first->second;
    }
    void clear() { tags_.clear(); }

private:
    std::unordered_map<std::wstring, std::wstring> tags_;
};

}  // namespace engine
