// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "framework/CmdTarget.h"

namespace fw {

const EventTable CCmdTarget::s_eventTable{nullptr, {}};

namespace {

// Command and notification rows need the code and the control to match as
// well; the others take every message of their event.
bool Takes(const EventRow& row, const Message& message)
{
    if (row.event != message.event)
        return false;
    if (message.event != Event::Command && message.event != Event::Notify)
        return true;
    return row.code == message.code && row.id == message.id;
}

} // namespace

bool CCmdTarget::Dispatch(const Message& message)
{
    for (const EventTable* table = &GetEventTable(); table; table = table->base) {
        for (const EventRow& row : table->rows) {
            if (Takes(row, message)) {
                row.handler(*this, message);
                return true;
            }
        }
    }
    return false;
}

} // namespace fw
