#pragma once

// Resources of ou.exe, shared by the resource script and the code that loads them.
#define IDI_OU 1        // the program's icon: the first icon, which the shell shows for ou.exe
#define IDI_ANIMAL 2    // the help and graph windows' icon
#define IDB_CIRCUIT 101 // the circuit diagram of the main window, 390 × 522
#define IDB_HELP 102    // the help picture, 683 × 385
// The same pictures drawn for 125, 150 and 200 % of 96 pixels per inch, as PNG files.
#define IDP_CIRCUIT_125 111
#define IDP_CIRCUIT_150 112
#define IDP_CIRCUIT_200 113
#define IDP_HELP_125 121
#define IDP_HELP_150 122
#define IDP_HELP_200 123
