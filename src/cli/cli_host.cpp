#include "cli/cli_host.h"

#include "frontend/calculator_session.h"
#include "frontend/variable_edit.h"

namespace kalvo {

bool CliHost::ShowValuePrompt(int) {
    return false;
}

void CliHost::EvaluateVariableEdit(int slot) {
    if (m_session) {
        // The command line has no variables panel: the slot's own definition is its field.
        EvaluateVariableText(m_session->GetEngine(), slot, m_session->State().VarText(slot));
    }
}

void CliHost::PumpMessages() {
    if (s_interrupted && m_session) {
        m_session->State().breakRequested = true;
    }
}

bool CliHost::ConfirmBreak() {
    bool confirmed = s_interrupted != 0;
    s_interrupted = 0;
    return confirmed;
}

}  // namespace kalvo
