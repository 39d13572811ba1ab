#include "SongList.h"

#include "EveningLanterns.h"
#include "MorningGlass.h"
#include "MusicBoxWaltz.h"

namespace SongList {

std::vector<Song> all()
{
    return {
        {"01 Morning Glass.mid", &MorningGlass::compose},
        {"02 Music Box Waltz.mid", &MusicBoxWaltz::compose},
        {"03 Evening Lanterns.mid", &EveningLanterns::compose},
    };
}

}  // namespace SongList
