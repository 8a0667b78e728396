#include "component/media_images.h"

#include "platform/db/connection.h"
#include "platform/framework/hypermedia.h"

namespace component {

std::vector<card::Immagine> MediaImages::immagini(const std::string& connectionString,
                                                  const std::string& ditta, int mode,
                                                  const std::string& key) {
    std::vector<card::Immagine> images;
    if (connectionString.empty() || key.empty())
        return images;
    // A database without the manager's table simply has no images.
    try {
        db::Connection connection;
        connection.open(connectionString);
        for (const framework::MediaFile& f :
             framework::CHyperMedia::FilesOf(connection, ditta, mode, key))
            images.push_back({f.path, f.description});
    } catch (const std::exception&) {
    }
    return images;
}

MediaImages& mediaImages() {
    static MediaImages source;
    return source;
}

}  // namespace component
