// What every tool dialog does the same way: it opens over its model, shows the model's values
// and nothing else, and refreshes every control from the model after each accepted change.
#pragma once

#include "platform/Dialog.h"

class CToolDialog : public CDialog {
protected:
    using CDialog::CDialog;

    // The first refresh comes before the focus is placed, so a control the model locks is
    // already disabled and the focus passes it by.
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        Refresh();
        return TRUE;
    }

    // Shows every bound variable again, in the dialog's own order.
    virtual void Refresh() = 0;
};

// A model's RunDialog: the tool's dialog over the model, run modally. 0 only when the dialog
// could not be created.
template <class Dialog, class Model>
int RunToolDialog(Model* model)
{
    Dialog dialog(model);
    return dialog.DoModal() == -1 ? 0 : 1;
}
