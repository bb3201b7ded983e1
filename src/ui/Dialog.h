// SPDX-License-Identifier: Apache-2.0
#pragma once
// A running dialog: the live controls of its template, the user notifications and its end result.
// Every rule of the program is written against this class; front ends only show it and report
// what the user did.
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Control.h"
#include "ui/DialogTemplate.h"
#include "ui/DialogViews.h"
#include "ui/Host.h"

namespace qvt::ui {

enum class Key { Enter, Escape, F1 };

// Where a dialog's card file paths lead: the system root (a path there is on no memory card) and
// the card folder that holds the settings file on a volume.
// The quiet note a front end shows on a dialog's footer: while the dialog holds no list values at
// all, or always when `always` is set.
struct FooterNote {
    std::string text;
    bool always = false;
};

struct PathListInfo {
    std::filesystem::path systemRoot;
    std::string cardDir;
};

class Dialog : public MessageBoxes {
public:
    Dialog(Host& host, DialogTemplate tmpl);
    virtual ~Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // --- lifecycle, called by the front end -------------------------------------------------------
    void init();                  // creates the controls from the template, then onInit()
    void notify(int id, Event event);
    // A click by the user: an automatic check box or radio takes its next state first, then the
    // dialog hears of the click. Code that only reports a click to the dialog calls notify().
    void click(int id);
    void pressKey(Key key);       // Enter: default button; Escape: onCancel; F1: onHelp
    void closeBox();              // the window's close box
    bool ended() const { return result_.has_value(); }
    Result result() const { return result_.value_or(Result::Cancel); }
    void end(Result result) { result_ = result; }

    const DialogTemplate& tmpl() const { return tmpl_; }
    const std::string& title() const { return title_; }
    void setTitle(std::string title) { title_ = std::move(title); }
    Host& host() { return host_; }
    const std::map<int, Control>& controls() const { return controls_; }
    const std::optional<PathListInfo>& pathListInfo() const { return pathListInfo_; }
    // The footer note as it stands now: the template's first-open note unless the dialog knows better.
    virtual FooterNote footerNote() const { return {tmpl_.firstOpenNote, false}; }
    void setPathListInfo(PathListInfo info) { pathListInfo_ = std::move(info); }
    bool has(int id) const { return controls_.count(id) != 0; }
    const Control& control(int id) const;

    // --- message boxes ---------------------------------------------------------------------------
    Answer message(std::string_view text, std::string_view caption, Icon icon,
                   Buttons buttons = Buttons::Ok) override;
    // The same box with details the user may open; without details it is the plain box.
    Answer message(std::string_view text, std::string_view caption, Icon icon, Buttons buttons,
                   const std::vector<std::string>& details) override;
    Answer message(const Message& message) override;
    ListBox list(int id) { return ListBox(*this, id); }

    // --- lists -----------------------------------------------------------------------------------
    int count(int id) const;
    int sel(int id) const;
    void select(int id, int pos);  // a position outside the items clears the selection
    void clearSelection(int id) { select(id, -1); }
    std::string itemText(int id, int pos) const;  // "" outside the items
    std::string selText(int id) const;
    int addItem(int id, std::string text);     // sorted lists insert by case-insensitive order; returns the position
    int appendItem(int id, std::string text);  // always at the end
    void removeItem(int id, int pos);
    void resetItems(int id);                   // empties the list
    int findExact(int id, std::string_view text) const;  // whole text, without regard to case; -1 none

    // --- check boxes and radios ------------------------------------------------------------------
    int check(int id) const;
    void setCheck(int id, int state);

    // --- texts -----------------------------------------------------------------------------------
    const std::string& text(int id) const;
    // Setting an edit's text from code notifies the dialog of the change, as the platform does.
    void setText(int id, std::string text);
    void setTextQuiet(int id, std::string text);  // labels, buttons, and edits without the notification

    // --- IP-address controls ---------------------------------------------------------------------
    std::array<int, 4> octets(int id) const;
    void setOctets(int id, std::array<int, 4> octets);  // -1 = blank octet
    void clearIp(int id) { setOctets(id, {-1, -1, -1, -1}); }
    bool ipBlank(int id) const;

    // --- state -----------------------------------------------------------------------------------
    bool enabled(int id) const;
    void setEnabled(int id, bool enabled);
    bool visible(int id) const;
    void setVisible(int id, bool visible);
    const std::string& toolTip(int id) const;
    void setToolTip(int id, std::string text);

protected:
    virtual void onInit() {}
    virtual void onNotify(int /*id*/, Event /*event*/) {}
    virtual void onOK() { end(Result::Ok); }
    virtual void onCancel() { end(Result::Cancel); }
    virtual void onHelp() {}  // every dialog answers help as handled, doing nothing
    virtual void onClose() { onCancel(); }

    Control& ctl(int id);

private:
    Host& host_;
    DialogTemplate tmpl_;
    std::string title_;
    std::map<int, Control> controls_;
    std::optional<Result> result_;
    std::optional<PathListInfo> pathListInfo_;
};

// Case-insensitive ASCII comparison, the order of the platform's sorted lists.
int compareNoCase(std::string_view a, std::string_view b);

}  // namespace qvt::ui
