#include "editor/search_dialog.h"

CSearchDialog::CSearchDialog() {}

CSearchDialog::~CSearchDialog() {}

CReplaceDialog::CReplaceDialog() {}
