// The search and replace dialogs, built once with the plug-in object so that
// the host's check-box states carry over from one run to the next.
//
// Both dialogs pick their items from one table of templates; rows follow from
// the chosen items alone (see BuildItems). A dialog whose item array could not
// be allocated stays usable: it runs as cancelled and reports no options.
#ifndef STRINGSLIST_EDITOR_SEARCH_DIALOG_H
#define STRINGSLIST_EDITOR_SEARCH_DIALOG_H

#include "frame/plugin_interface.h"

// Option bits of GetOptions, one per check box.
enum {
    SearchRegExp = 1,
    SearchReverse = 2,
    SearchCaseSensitive = 4,
    SearchWholeWords = 8,
    SearchPromptOnReplace = 16,
};

enum { HELP_TOPIC_SIZE = 32 };

class CSearchDialog {
public:
    CSearchDialog();
    virtual ~CSearchDialog();
    CSearchDialog(const CSearchDialog&) = delete;
    CSearchDialog& operator=(const CSearchDialog&) = delete;

    // Puts text (null reads as empty, cut to what the field holds) into the
    // search field and runs the dialog; answers the exit item, negative when cancelled.
    virtual int Execute(const char* text);
    // 1 for an exit through any item but "Cancel", 0 for "Cancel" or a cancelled dialog.
    virtual int IsConfirmed(int exitItem) const;
    virtual int GetOptions() const;

    // The search field's text, in place.
    const char* GetSearchText() const;

protected:
    void BuildItems(int count, const int* templates);
    void SetItemText(int item, const char* text);
    const char* GetItemText(int item) const;
    // Bit k set when the check box at item first + k is set, for count boxes.
    int GetCheckBoxBits(int first, int count) const;
    void SetHelpTopic(const char* topic);

    int ItemCount;
    PluginDialogItem* Items;  // owned; null when its allocation failed
    char HelpTopic[HELP_TOPIC_SIZE];
};

class CReplaceDialog : public CSearchDialog {
public:
    CReplaceDialog();

    // Puts text into the replace field, then runs the search dialog's Execute,
    // so both fields start with it.
    int Execute(const char* text) override;
    int IsConfirmed(int exitItem) const override;
    int GetOptions() const override;

    const char* GetReplaceText() const;
};

#endif
