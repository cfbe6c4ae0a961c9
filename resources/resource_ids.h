// Identifiers of the program's built-in pictures.
#pragma once

#define IDI_VELKOR 1
#define IDB_RANDOM 101
#define IDB_START 102
#define IDB_GRIP 103
#define IDB_MINI 104
#define IDB_MENU 105
