#include "game/data_watch.h"

namespace Game {

Data_watch::Data_watch() : seen(look()) {}

void Data_watch::pause() { ticker.reset(); }

void Data_watch::resume()
{
    if (!ticker)
        ticker.emplace(interval_ms);
}

bool Data_watch::changed()
{
    Look now = look();
    if (now == seen)
        return false;
    seen = std::move(now);
    return true;
}

Data_watch::Look Data_watch::look()
{
    Look files;
    std::error_code error;
    for (std::filesystem::recursive_directory_iterator entry(".", error), end;
         !error && entry != end; entry.increment(error)) {
        std::error_code unreadable; // a file removed while it is looked at counts as gone
        if (entry->is_regular_file(unreadable))
            files[entry->path().generic_string()] = {entry->last_write_time(unreadable),
                                                     entry->file_size(unreadable)};
    }
    return files;
}

} // namespace Game
