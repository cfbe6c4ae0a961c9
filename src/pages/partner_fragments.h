// Completing the partner template with the partner fragments at start-up.
#pragma once

#include <functional>
#include <string>

#include "platform/messages.h"
#include "text/text_list.h"

namespace velkor {

// Reads a scrambled fragment file into a list; on an unreadable file it
// reports and leaves the list as it was (the bar's LoadScrambledFile).
using LoadScrambled = std::function<void(TextList& list, const std::string& file_name)>;

// Puts datau.qx, datad.qx and datac.qx (twice) in place of the partner
// template's marker lines. False, with the template left as built in, when a
// fragment file is missing (the message is shown here).
bool InsertPartnerFragments(TextList& data2, Messages& messages, const LoadScrambled& load);

}  // namespace velkor
