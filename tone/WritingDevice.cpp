// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "tone/WritingDevice.h"

#include "tone/ToneSource.h"

namespace vornaby::tone {

bool WritingDevice::Start(std::shared_ptr<ToneSource> source)
{
    RunDetached([self = std::static_pointer_cast<WritingDevice>(shared_from_this()), source = std::move(source)] {
        const std::lock_guard lock(self->m_mutex);
        // Given up while an earlier tone held the device: it would come late.
        if (source->Over())
            return;
        const std::uint32_t rate = self->Open();
        if (rate == 0 || (source->Open(rate) && !self->Play(*source)))
            source->Fail();
        source->Wake();
    });
    return true;
}

void WritingDevice::Prepare()
{
    const std::lock_guard lock(m_mutex);
    (void)Open();
}

} // namespace vornaby::tone
