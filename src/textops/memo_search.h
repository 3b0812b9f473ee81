#pragma once
// The find-and-replace component of the text box: what Find next, Replace, Replace all and
// "search again" do with the text, the selection and the messages. The dialogs and the keys
// live in the window (qt/memo_search_qt.h); positions here are byte offsets into the text with
// its lines joined by CR LF.
#include <cstddef>
#include <string>
#include <string_view>

#include "textops/text_search.h"

namespace quillo::textops {

// The text box as the search sees it.
class SearchTarget {
  public:
    enum class Answer { yes, no, yes_to_all };

    virtual ~SearchTarget() = default;
    virtual std::string text() = 0;  // GBK, lines joined by CR LF
    virtual std::size_t selection_start() = 0;
    virtual std::size_t selection_length() = 0;
    // Selects, scrolls the selection into view and gives the text box the focus.
    virtual void select(std::size_t start, std::size_t length) = 0;
    // Puts `with` in place of the selection as one undoable edit and selects it.
    virtual void replace_selection(std::string_view with) = 0;
    // Puts a whole new text in place as one undoable edit, then selects as given.
    virtual void replace_text(std::string_view text, std::size_t start, std::size_t length) = 0;
    // A message box (UTF-8).
    virtual void message(const std::string& text, const std::string& caption) = 0;
    // "Replace current text?" before each replacement, when asked for.
    virtual Answer ask_replace() { return Answer::yes; }
};

// What a dialog holds when one of its buttons is pressed (texts in GBK).
struct SearchRequest {
    std::string find_text;
    std::string replace_text;
    SearchOptions options;
    bool replace_all = false;  // the Replace All button, not Replace
};

inline constexpr const char* kFindCaption = "Search Results";
inline constexpr const char* kReplaceCaption = "Replace Results";

class MemoSearch {
  public:
    enum class Kind { find, replace };

    // Published properties with the values of the main window.
    bool hide_after_search = true;
    bool prompt_replace = false;
    bool show_replace_count = false;
    SearchOptions options;  // remembered when a dialog closes

    // A dialog opens: a new count, no search string, the operation it serves.
    void open(Kind kind);
    void find_next(const SearchRequest& request, SearchTarget& target);
    void replace(const SearchRequest& request, SearchTarget& target);
    // Repeats the last find or replace with the dialog's texts; nothing without a search string.
    void search_again(SearchRequest request, SearchTarget& target);

    const std::string& search_string() const { return search_string_; }
    bool replace_mode() const { return replace_mode_; }
    int replace_count() const { return replace_count_; }

  private:
    // Sets the start of the search from the request and the selection; returns the part of the
    // text to search and, through `offset`, where that part begins.
    std::string_view prepare(const SearchRequest& request, SearchTarget& target,
                             const std::string& text, std::size_t& offset);
    std::size_t search(const SearchRequest& request, SearchTarget& target, std::string& text);
    void report_miss(const char* caption, SearchTarget& target) const;
    void replace_all_at_once(const SearchRequest& request, SearchTarget& target, int count_before);

    std::string search_string_;
    std::size_t start_ = kNoHit;  // kNoHit before the first search of a search string
    std::size_t found_ = kNoHit;
    bool replace_mode_ = false;
    bool replace_all_ = false;
    int replace_count_ = 0;
};

}  // namespace quillo::textops
