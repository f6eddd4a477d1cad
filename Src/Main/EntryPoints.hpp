// The add-on's entry functions and menu handler, handed to the host as function pointers.
// [host's UI thread] None throws.
#pragma once

#include "InterfaceRecords.hpp"

GSErrCode DescribeModule (API_EnvirParams* envir);   // returns 2 once the table is received
GSErrCode RegisterModuleInterface (void* unused);
GSErrCode InitializeModule (void* hostContext);
GSErrCode ReleaseModule ();
GSErrCode MenuCommandHandler (const API_MenuParams* params);   // always 0
