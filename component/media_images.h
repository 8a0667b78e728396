#pragma once
// The images tab's source over the host's multimedia manager: the files the
// manager stores for an item of the company.

#include "window/image_viewer.h"

namespace component {

class MediaImages : public card::ImageSource {
public:
    std::vector<card::Immagine> immagini(const std::string& connectionString,
                                         const std::string& ditta, int mode,
                                         const std::string& key) override;
};

// The one the component library installs.
MediaImages& mediaImages();

}  // namespace component
