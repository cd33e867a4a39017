#pragma once
// The print server's state keywords for a printer and a job, told in plain
// words: no keyword reaches the user where a phrase exists.

#include "message/message.h"

#include <string>
#include <string_view>
#include <vector>

namespace print {

// The same words, whatever their case: "Paused" and "paused".
bool sameWords(std::string_view a, std::string_view b);

// The first fault among a printer's state reasons, whatever their -error,
// -warning or -report ending, or else any reason ending in -error; empty
// when none holds pages up. A clause: it goes into a sentence's place.
message::Message printerFault(const std::vector<std::string>& reasons);

// Why a job did not print: the server's message for it, or else its state
// reasons in plain words; empty when there is nothing more to say. The
// server's message stands as it comes; a reason is a clause to translate.
message::Message jobWhy(const std::string& message, const std::vector<std::string>& reasons);

// Whether a stopped printer was paused by someone, rather than stopped by
// the server after a failed job. cupsd gives both the reason "paused".
// Someone's pause leaves the printer's state message empty or CUPS's
// "Paused"; a stop after a failure puts the backend's or filter's error
// there, and the job that failed carries an error among its reasons.
bool pausedBySomeone(const std::vector<std::string>& printerReasons, const std::string& printerMessage,
                     const std::vector<std::string>& jobReasons);

} // namespace print
