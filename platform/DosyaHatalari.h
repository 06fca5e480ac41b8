#pragma once
// Why a file call of the database engine failed. The engine's own record of it
// (sqlite3_system_errno) is lost when a commit fails: the rollback that follows
// runs system calls of its own before the error reaches the caller. So the
// engine's files are opened through a thin layer over the system's own VFS
// that keeps the errno of the last failing call of each thread.

namespace DosyaHataları {

// Name of that layer, for sqlite3_open_v2; registered on the first call.
const char* KatmanAdı();

// The errno of the last failing file call of this thread since Unut(), or 0.
int Son();
void Unut();

}  // namespace DosyaHataları
