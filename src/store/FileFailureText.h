#pragma once

#include <string>

struct FileResult;
struct ReadAnomalies;

// The reason of a failed read or save in the user's words (Esperanto), for the message that names
// the file: "Ne eblis legi « X » :" followed by this text. Errors the program does not know by
// number fall back to the system's own wording.
std::u16string failureReason(const FileResult& result);

// What looked wrong in a file that was read anyway, one sentence per finding, each on its own line.
std::u16string anomalyText(const ReadAnomalies& anomalies);
