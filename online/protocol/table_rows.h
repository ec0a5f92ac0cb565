#pragma once
// The reset of top-ten table rows, shared by the world and the tournament top tens.

#include "online/protocol/records.h"

namespace tavik::online {

// Every row: RID 0, GID gid, Score 0, the texts "#" (R10 "#*"), Place 0.
void ResetRecordRows(RecordRows& rows, int gid);

}  // namespace tavik::online
