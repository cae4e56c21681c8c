/* Identifiers of the Windows program file's resources, shared by the resource
   script and the code that loads them. Plain C: the resource compiler reads it. */
#pragma once

#define IDI_EAGLE 1
#define IDB_PORTRAIT 2
