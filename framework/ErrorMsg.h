// The modal dialog in which a refused entry explains itself: Problem, Explanation and
// Suggestion of an ErrorSink, under the caption "Error Message".
#pragma once

#include "framework/ErrorSink.h"
#include "platform/Dialog.h"

class CErrorMsg : public CDialog {
public:
    // Keeps its own copy, so the sink may go away while the dialog is still on screen.
    explicit CErrorMsg(const ErrorSink& sink);

    const ErrorSink& Sink() const { return m_sink; }

protected:
    BOOL OnInitDialog() override;

private:
    const ErrorSink m_sink;
};
