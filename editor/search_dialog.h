// The search and replace dialogs, built once with the plug-in object so that
// the host's check-box states carry over from one run to the next.
#ifndef STRINGSLIST_EDITOR_SEARCH_DIALOG_H
#define STRINGSLIST_EDITOR_SEARCH_DIALOG_H

class CSearchDialog {
public:
    CSearchDialog();
    virtual ~CSearchDialog();
};

class CReplaceDialog : public CSearchDialog {
public:
    CReplaceDialog();
};

#endif
