// The pictures one render has shown: a picture file is read and encoded once
// a render, however many references name it. Part of the render context,
// emptied when a render starts, so that a file changed between two renders
// shows at the next.
//
// A Word export renders each picture embedded, as the screen shows it, and
// keeps the tag that links its file in its stead, which the finished file
// takes: so a value naming a picture costs the same and shows the same.
#pragma once

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

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
    // The linked tag that stands for the embedded `tag` in the finished file.
    void keep_link(std::wstring tag, std::wstring linked) {
        if (tag.starts_with(L"<img") && tag != linked)
            links_.emplace_back(std::move(tag), std::move(linked));
    }
    // Each embedded tag with its linked one.
    const std::vector<std::pair<std::wstring, std::wstring>>& links() const { return links_; }
    void clear() {
        tags_.clear();
        links_.clear();
    }

private:
    std::unordered_map<std::wstring, std::wstring> tags_;
    std::vector<std::pair<std::wstring, std::wstring>> links_;
};

}  // namespace engine
