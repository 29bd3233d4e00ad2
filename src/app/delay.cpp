#include "app/delay.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "app/main_controls.h"
#include "app/state.h"
#include "ui/message_styles.h"
#include "ui/number_text.h"
#include "ui/ui.h"

namespace {

constexpr float MINIMUM_DELAY = 2.0f;
constexpr float MAXIMUM_DELAY = 60.0f;

std::string withoutLeadingSpaces(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

}  // namespace

std::int32_t onDelayClicked(WindowHandle dialog, unsigned, MessageWParam, MessageLParam) {
    const std::string answer = showPrompt("How many seconds (2 to 60) ?", "Enter Delay",
                                          withoutLeadingSpaces(numberToText(delaySeconds)), -1, -1);
    // Rounded to single precision as stored. A double beyond the float range
    // has no float value: bound it first, which keeps every comparison below.
    const float wanted = static_cast<float>(std::clamp(textToNumber(answer), -1e9, 1e9));

    // The corrected delay is stored before any message opens: ticks keep
    // running while it is on screen and must never see a delay outside 2 to 60.
    // An answer of 0 (Cancel, an empty or unreadable answer) takes the minimum
    // without a word.
    if (wanted < MINIMUM_DELAY) {
        delaySeconds = MINIMUM_DELAY;
        if (wanted != 0.0f) {
            showMessage("Minimum delay is 2 seconds.", "Invalid Delay", REFUSED_STYLE);
        }
    } else if (wanted > MAXIMUM_DELAY) {
        delaySeconds = MAXIMUM_DELAY;
        showMessage("Maximum delay is 60 seconds.", "Invalid Delay", REFUSED_STYLE);
    } else {
        delaySeconds = wanted;
    }
    setControlText(dialog, IDC_DELAY, "Delay: " + formatNumber(delaySeconds, "###0.0"));
    return 0;
}
