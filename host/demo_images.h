#pragma once
// Pictures of the demo items for the images tab: drawn by the host the first
// time it opens a demo database that has none, stored in the media folder and
// listed as the multimedia manager lists the files a user adds.

#include <string>

#include "platform/db/forward.h"

namespace host {

// Does nothing when the company already has media files.
void AddDemoImages(db::Connection& connection, const std::string& mediaFolder);

}  // namespace host
