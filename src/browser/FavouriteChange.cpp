#include "browser/FavouriteChange.h"

namespace tervala {

bool rowShowsChange(const FavouriteChange& change, Gender gridGender, const QString& name, const QString& origin)
{
    return (!change.gender || *change.gender == gridGender) && name.compare(change.name, Qt::CaseInsensitive) == 0
        && (change.origin.isEmpty() || origin.compare(change.origin, Qt::CaseInsensitive) == 0);
}

} // namespace tervala
