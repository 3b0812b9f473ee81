#include "textops/memo_search.h"

#include "platform/gbk.h"

namespace quillo::textops {

void MemoSearch::open(Kind kind) {
    search_string_.clear();
    replace_mode_ = kind == Kind::replace;
    replace_all_ = false;
    replace_count_ = 0;
}

std::string_view MemoSearch::prepare(const SearchRequest& request, SearchTarget& target,
                                     const std::string& text, std::size_t& offset) {
    if (request.find_text != search_string_) {
        found_ = kNoHit;
        start_ = kNoHit;
        search_string_ = request.find_text;
    } else {
        start_ = target.selection_start();
        if (request.options.down) start_ += target.selection_length();
        if (start_ > text.size()) start_ = text.size();
    }
    offset = 0;
    if (start_ == kNoHit) return text;
    if (request.options.down) {
        offset = start_;
        return std::string_view(text).substr(start_);
    }
    return std::string_view(text).substr(0, start_);
}

std::size_t MemoSearch::search(const SearchRequest& request, SearchTarget& target,
                               std::string& text) {
    text = target.text();
    std::size_t offset = 0;
    const std::string_view part = prepare(request, target, text, offset);
    const std::size_t hit = find_text(part, search_string_, request.options);
    found_ = hit == kNoHit ? kNoHit : offset + hit;
    return found_;
}

void MemoSearch::report_miss(const char* caption, SearchTarget& target) const {
    const std::string quoted = "\"" + platform::gbk_to_utf8(search_string_) + "\"";
    target.message(start_ == kNoHit ? "Search string " + quoted + " not found."
                                    : "No more instances of " + quoted + " found.",
                   caption);
}

void MemoSearch::find_next(const SearchRequest& request, SearchTarget& target) {
    // An empty find text would match everywhere; it finds nothing instead.
    if (request.find_text.empty()) return;
    replace_mode_ = false;
    std::string text;
    const std::size_t hit = search(request, target, text);
    if (hit == kNoHit)
        report_miss(kFindCaption, target);
    else
        target.select(hit, search_string_.size());
}

void MemoSearch::replace(const SearchRequest& request, SearchTarget& target) {
    if (request.find_text.empty()) return;
    replace_mode_ = true;
    // Taken from the button every time: Replace after Replace All replaces one hit.
    replace_all_ = request.replace_all;
    const int count_before = replace_count_;
    if (replace_all_ && !prompt_replace) {
        replace_all_at_once(request, target, count_before);
        return;
    }
    std::string text;
    for (;;) {
        const std::size_t hit = search(request, target, text);
        if (hit == kNoHit) {
            if (replace_count_ == count_before || !replace_all_)
                report_miss(kReplaceCaption, target);
            else if (count_before == 0 && show_replace_count)
                target.message("Replaced " + std::to_string(replace_count_) + " instances of \"" +
                                   platform::gbk_to_utf8(search_string_) + "\".",
                               kReplaceCaption);
            return;
        }
        target.select(hit, search_string_.size());
        SearchTarget::Answer answer = SearchTarget::Answer::yes;
        if (prompt_replace) answer = target.ask_replace();
        if (answer == SearchTarget::Answer::yes_to_all) {
            prompt_replace = false;
            replace_all_ = true;
        }
        if (answer != SearchTarget::Answer::no) {
            target.replace_selection(request.replace_text);
            ++replace_count_;
        }
        if (!replace_all_) return;
        if (!prompt_replace) {
            replace_all_at_once(request, target, count_before);
            return;
        }
    }
}

// Replace all in one pass: the same hits as searching again after each inserted text, applied
// to the text as one edit instead of one edit (and one copy of the text) per hit.
void MemoSearch::replace_all_at_once(const SearchRequest& request, SearchTarget& target,
                                     int count_before) {
    const std::string text = target.text();
    std::size_t offset = 0;
    prepare(request, target, text, offset);
    const auto hits = replace_all_hits(text, start_, search_string_, request.options);
    found_ = kNoHit;
    if (hits.empty()) {
        if (replace_count_ == count_before) {
            report_miss(kReplaceCaption, target);
            return;
        }
    } else {
        // The last text inserted ends up selected, as when replacing hit by hit.
        const std::size_t n = search_string_.size();
        const std::size_t r = request.replace_text.size();
        std::size_t last = hits.back();
        if (request.options.down) last = last - (hits.size() - 1) * n + (hits.size() - 1) * r;
        target.replace_text(replace_hits(text, hits, n, request.replace_text), last, r);
        replace_count_ += static_cast<int>(hits.size());
    }
    if (count_before == 0 && show_replace_count)
        target.message("Replaced " + std::to_string(replace_count_) + " instances of \"" +
                           platform::gbk_to_utf8(search_string_) + "\".",
                       kReplaceCaption);
}

void MemoSearch::search_again(SearchRequest request, SearchTarget& target) {
    if (search_string_.empty()) return;
    if (replace_mode_) {
        request.replace_all = replace_all_;
        replace(request, target);
    } else {
        find_next(request, target);
    }
}

}  // namespace quillo::textops
