#include "app/view_content.h"

#include <charconv>
#include <utility>

#include "app/page_pieces.h"
#include "platform/js_string_literal.h"

namespace app {

namespace {

// The page's side, defined by the first build in a page and kept on
// `window`, where replacing the content leaves it. A page is parsed on its
// own in a body of its own; it is taken only when the parse ends where it
// began (a marker put after it comes out last and at the top) and it holds no
// tag whose meaning depends on the rest of the document. Anything else, and
// a document without pages, is put in whole as one text.
// Text edits of pages more than a screen away from the view wait: every
// edit makes the browser lay out its page again, and such a page is not
// seen. They are applied when the page comes near the view or when no edit
// came for a while, so the content ends up as a full replace would leave it.
// Answers: "1 build signature..." for a build taken page by page, "2 build"
// for one put in whole, "1 build page signature..." for an update with the
// pages it replaced, "0" for an update it could not apply.
constexpr wchar_t page_side[] =
    LR"js(window.tembrickView || Object.defineProperty(window, 'tembrickView', {value: (function () {
  var shown = 0, pages = null, texts = null, body = null;
  var near = [], waiting = [], pageOf = new Map(), watcher = null, catchUp = 0;
  var unsettling = /<\/?(?:html|head|body|frameset|form)(?=[\s\/>]|$)/i;
  var quiet = 250;
  function parse(html) {
    if (unsettling.test(html)) return null;
    var holder = document.createElement('body');
    holder.innerHTML = html + '<b data-tembrick-end></b>';
    var end = holder.lastChild;
    if (!end || end.nodeType !== 1 || end.localName !== 'b' || !end.hasAttribute('data-tembrick-end') ||
        end.firstChild || end === holder.firstChild) return null;
    holder.removeChild(end);
    return Array.prototype.slice.call(holder.childNodes);
  }
  function textNodes(nodes) {
    var found = [];
    nodes.forEach(function (node) {
      if (node.nodeType === 3) { found.push(node); return; }
      var walker = document.createTreeWalker(node, NodeFilter.SHOW_TEXT);
      while (walker.nextNode()) found.push(walker.currentNode);
    });
    return found;
  }
  function signature(nodes) {
    var hash = 0x811c9dc5 | 0;
    nodes.forEach(function (node) {
      var text = node.data;
      hash = Math.imul(hash ^ text.length, 16777619);
      for (var i = 0; i < text.length; ++i) hash = Math.imul(hash ^ text.charCodeAt(i), 16777619);
    });
    return hash >>> 0;
  }
  function applyWaiting(k) {
    var edits = waiting[k];
    waiting[k] = null;
    if (edits) edits.forEach(function (text, i) { texts[k][i].data = text; });
  }
  function applyAllWaiting() {
    catchUp = 0;
    if (pages) pages.forEach(function (nodes, k) { applyWaiting(k); });
  }
  function watch(k) {
    var element = pages[k].find(function (node) { return node.nodeType === 1; });
    if (!element) return;
    pageOf.set(element, k);
    watcher.observe(element);
  }
  function unwatch(k) {
    pages[k].forEach(function (node) {
      if (pageOf.delete(node)) watcher.unobserve(node);
    });
  }
  function stopWatching() {
    if (watcher) watcher.disconnect();
    clearTimeout(catchUp);
    pageOf.clear();
    watcher = null; catchUp = 0; near = []; waiting = [];
  }
  function whole(build, html) {
    stopWatching();
    document.documentElement.innerHTML = html;
    shown = build; pages = texts = body = null;
    return '2 ' + build;
  }
  return {
    build: function (build, head, tail, list) {
      var parsed = [];
      for (var k = 0; k < list.length; ++k) {
        var nodes = parse(list[k]);
        if (!nodes) return whole(build, head + list.join('') + tail);
        parsed.push(nodes);
      }
      stopWatching();
      document.documentElement.innerHTML = head + tail;
      body = document.body;
      if (!body) return whole(build, head + list.join('') + tail);
      parsed.forEach(function (nodes) { nodes.forEach(function (node) { body.appendChild(node); }); });
      shown = build; pages = parsed; texts = parsed.map(textNodes);
      // Until the watcher has looked, every page counts as near.
      near = pages.map(function () { return true; });
      waiting = pages.map(function () { return null; });
      watcher = new IntersectionObserver(function (entries) {
        entries.forEach(function (entry) {
          var k = pageOf.get(entry.target);
          if (k === undefined) return;
          near[k] = entry.isIntersecting;
          if (near[k]) applyWaiting(k);
        });
      }, {rootMargin: '100% 0px'});
      pages.forEach(function (nodes, k) { watch(k); });
      return [1, build].concat(texts.map(signature)).join(' ');
    },
    update: function (build, edits, replaced) {
      // Content put in by anyone else (the print preview) took the body.
      if (build !== shown || !pages || document.body !== body) return '0';
      var fresh = [], k, i;
      for (i = 0; i < replaced.length; i += 2) {
        var nodes = replaced[i] < pages.length ? parse(replaced[i + 1]) : null;
        if (!nodes) return '0';
        fresh.push(replaced[i], nodes);
      }
      for (i = 0; i < edits.length; i += 3) {
        if (!texts[edits[i]] || edits[i + 1] >= texts[edits[i]].length) return '0';
      }
      var away = false;
      for (i = 0; i < edits.length; i += 3) {
        k = edits[i];
        if (near[k]) {
          texts[k][edits[i + 1]].data = edits[i + 2];
          if (waiting[k]) waiting[k].delete(edits[i + 1]);
        } else {
          (waiting[k] = waiting[k] || new Map()).set(edits[i + 1], edits[i + 2]);
          away = true;
        }
      }
      if (away) {
        clearTimeout(catchUp);
        catchUp = setTimeout(applyAllWaiting, quiet);
      }
      var answer = [1, build];
      for (i = 0; i < fresh.length; i += 2) {
        k = fresh[i];
        var old = pages[k], first = old[0];
        fresh[i + 1].forEach(function (node) { first.parentNode.insertBefore(node, first); });
        old.forEach(function (node) { node.parentNode.removeChild(node); });
        unwatch(k);
        waiting[k] = null;
        pages[k] = fresh[i + 1];
        texts[k] = textNodes(pages[k]);
        watch(k);
        answer.push(k, signature(texts[k]));
      }
      return answer.join(' ');
    }
  };
})()});
)js";

std::wstring quoted(std::wstring_view text) {
    return L"'" + platform::js_string_literal(text) + L"'";
}

// The numbers of an answer such as "\"1 7 123\""; empty when it is anything else.
std::vector<std::uint64_t> answer_numbers(const std::wstring& json) {
    std::vector<std::uint64_t> numbers;
    if (json.size() < 2 || json.front() != L'"' || json.back() != L'"') return numbers;
    std::string text;
    for (std::size_t i = 1; i + 1 < json.size(); ++i) {
        const wchar_t c = json[i];
        if (c != L' ' && (c < L'0' || c > L'9')) return {};
        text += char(c);
    }
    const char* at = text.data();
    const char* const end = text.data() + text.size();
    while (at < end) {
        if (*at == ' ') {
            ++at;
            continue;
        }
        std::uint64_t value = 0;
        const auto [next, error] = std::from_chars(at, end, value);
        if (error != std::errc()) return {};
        numbers.push_back(value);
        at = next;
    }
    return numbers;
}

}  // namespace

std::wstring ViewContent::script_for(const std::wstring& html, bool fresh) {
    if (sent_ != Sent::nothing) forget();
    if (fresh) whole_only_ = false;
    if (whole_only_) {
        sent_ = Sent::full_replace;
        ++updates_.full_replaces;
        // The trailing answer keeps the assigned text from being sent back.
        return L"document.documentElement.innerHTML=" + quoted(html) + L";'2';";
    }
    if (!fresh && shown_ != 0) {
        if (std::optional<std::wstring> script = update_script(html)) return *script;
    }
    return build_script(html);
}

std::wstring ViewContent::build_script(const std::wstring& html) {
    const PagedHtml paged = split_pages(html);
    shown_ = 0;
    sent_ = Sent::build;
    sent_build_ = next_build_++;
    head_ = paged.head;
    tail_ = paged.tail;
    pages_.assign(paged.pages.begin(), paged.pages.end());
    editable_.assign(pages_.size(), false);
    ++updates_.builds;

    std::wstring script = page_side;
    script += L"window.tembrickView.build(" + std::to_wstring(sent_build_) + L"," + quoted(head_) +
              L"," + quoted(tail_) + L",[";
    for (std::size_t k = 0; k < pages_.size(); ++k) script += (k ? L"," : L"") + quoted(pages_[k]);
    script += L"]);";
    return script;
}

std::optional<std::wstring> ViewContent::update_script(const std::wstring& html) {
    const PagedHtml paged = split_pages(html);
    if (paged.head != head_ || paged.tail != tail_ || paged.pages.size() != pages_.size())
        return std::nullopt;
    std::wstring edits, replaced;
    sent_replaced_.clear();
    for (std::size_t k = 0; k < pages_.size(); ++k) {
        if (paged.pages[k] == pages_[k]) continue;
        std::optional<std::vector<TextEdit>> text_edits_of_page;
        if (editable_[k]) text_edits_of_page = text_edits(pages_[k], paged.pages[k]);
        if (text_edits_of_page) {
            for (const TextEdit& edit : *text_edits_of_page) {
                edits += (edits.empty() ? L"" : L",") + std::to_wstring(k) + L"," +
                         std::to_wstring(edit.node) + L"," + quoted(edit.text);
            }
            updates_.text_edits += int(text_edits_of_page->size());
        } else {
            replaced += (replaced.empty() ? L"" : L",") + std::to_wstring(k) + L"," +
                        quoted(paged.pages[k]);
            sent_replaced_.push_back(k);
            editable_[k] = false;
            ++updates_.page_replaces;
        }
        pages_[k] = paged.pages[k];
    }
    sent_ = Sent::update;
    ++updates_.updates;
    return L"window.tembrickView.update(" + std::to_wstring(shown_) + L",[" + edits + L"],[" +
           replaced + L"]);";
}

bool ViewContent::take_answer(const std::wstring& json) {
    const std::vector<std::uint64_t> answer = answer_numbers(json);
    switch (std::exchange(sent_, Sent::nothing)) {
        case Sent::build: take_build_answer(answer); return false;
        case Sent::update: return !take_update_answer(answer);
        case Sent::full_replace:
        case Sent::nothing: return false;
    }
    return false;
}

void ViewContent::take_build_answer(const std::vector<std::uint64_t>& answer) {
    if (answer.size() == 2 + pages_.size() && answer[0] == 1 && answer[1] == sent_build_) {
        shown_ = sent_build_;
        for (std::size_t k = 0; k < pages_.size(); ++k)
            editable_[k] = expected_signature(pages_[k]) == answer[2 + k];
    } else if (answer.size() == 2 && answer[0] == 2 && answer[1] == sent_build_) {
        whole_only_ = true;
    }
}

bool ViewContent::take_update_answer(const std::vector<std::uint64_t>& answer) {
    if (answer.size() != 2 + 2 * sent_replaced_.size() || answer[0] != 1 || answer[1] != shown_) {
        forget();
        return false;
    }
    for (std::size_t i = 0; i < sent_replaced_.size(); ++i) {
        const std::size_t k = sent_replaced_[i];
        if (answer[2 + 2 * i] != k) {
            forget();
            return false;
        }
        editable_[k] = expected_signature(pages_[k]) == answer[3 + 2 * i];
    }
    return true;
}

void ViewContent::forget() {
    shown_ = 0;
    whole_only_ = false;
    sent_ = Sent::nothing;
}

}  // namespace app
