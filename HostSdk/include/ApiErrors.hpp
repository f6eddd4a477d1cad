// The host's error codes. One list, read by the add-on (names for the user) and the host.
#pragma once

#include "Definitions.hpp"

// clang-format off
#define VIREL_API_ERRORS(X)                                 \
    X (APIERR_GENERAL, 0x81060001)                          \
    X (APIERR_MEMFULL, 0x81060002)                          \
    X (APIERR_CANCEL, 0x81060003)                           \
    X (APIERR_BADID, 0x81060065)                            \
    X (APIERR_BADINDEX, 0x81060066)                         \
    X (APIERR_BADNAME, 0x81060067)                          \
    X (APIERR_BADPARS, 0x81060068)                          \
    X (APIERR_BADPOLY, 0x81060069)                          \
    X (APIERR_BADDATABASE, 0x8106006A)                      \
    X (APIERR_BADWINDOW, 0x8106006B)                        \
    X (APIERR_BADKEYCODE, 0x8106006C)                       \
    X (APIERR_BADPLATFORMSIGN, 0x8106006D)                  \
    X (APIERR_BADPLANE, 0x8106006E)                         \
    X (APIERR_BADUSERID, 0x8106006F)                        \
    X (APIERR_BADVALUE, 0x81060070)                         \
    X (APIERR_BADELEMENTTYPE, 0x81060071)                   \
    X (APIERR_IRREGULARPOLY, 0x81060072)                    \
    X (APIERR_NO3D, 0x810600C9)                             \
    X (APIERR_NOMORE, 0x810600CA)                           \
    X (APIERR_NOPLAN, 0x810600CB)                           \
    X (APIERR_NOLIB, 0x810600CC)                            \
    X (APIERR_NOLIBSECT, 0x810600CD)                        \
    X (APIERR_NOSEL, 0x810600CE)                            \
    X (APIERR_NOTEDITABLE, 0x810600CF)                      \
    X (APIERR_NOTSUBTYPEOF, 0x810600D0)                     \
    X (APIERR_NOTEQUALMAIN, 0x810600D1)                     \
    X (APIERR_NOTEQUALREVISION, 0x810600D2)                 \
    X (APIERR_NOTEAMWORKPROJECT, 0x810600D3)                \
    X (APIERR_NOUSERDATA, 0x810600DC)                       \
    X (APIERR_MOREUSER, 0x810600DD)                         \
    X (APIERR_LINKEXIST, 0x810600DE)                        \
    X (APIERR_LINKNOTEXIST, 0x810600DF)                     \
    X (APIERR_WINDEXIST, 0x810600E0)                        \
    X (APIERR_WINDNOTEXIST, 0x810600E1)                     \
    X (APIERR_UNDOEMPTY, 0x810600E2)                        \
    X (APIERR_REFERENCEEXIST, 0x810600E3)                   \
    X (APIERR_NAMEALREADYUSED, 0x810600E4)                  \
    X (APIERR_ATTREXIST, 0x8106012D)                        \
    X (APIERR_DELETED, 0x8106012E)                          \
    X (APIERR_LOCKEDLAY, 0x8106012F)                        \
    X (APIERR_HIDDENLAY, 0x81060130)                        \
    X (APIERR_INVALFLOOR, 0x81060131)                       \
    X (APIERR_NOTMINE, 0x81060132)                          \
    X (APIERR_NOACCESSRIGHT, 0x81060133)                    \
    X (APIERR_BADPROPERTY, 0x81060134)                      \
    X (APIERR_BADCLASSIFICATION, 0x81060135)                \
    X (APIERR_MODULNOTINSTALLED, 0x81060191)                \
    X (APIERR_MODULCMDMINE, 0x81060192)                     \
    X (APIERR_MODULCMDNOTSUPPORTED, 0x81060193)             \
    X (APIERR_MODULCMDVERSNOTSUPPORTED, 0x81060194)         \
    X (APIERR_NOMODULEDATA, 0x81060195)                     \
    X (APIERR_PAROVERLAP, 0x810601F5)                       \
    X (APIERR_PARMISSING, 0x810601F6)                       \
    X (APIERR_PAROVERFLOW, 0x810601F7)                      \
    X (APIERR_PARIMPLICIT, 0x810601F8)                      \
    X (APIERR_RUNOVERLAP, 0x810601FE)                       \
    X (APIERR_RUNMISSING, 0x810601FF)                       \
    X (APIERR_RUNOVERFLOW, 0x81060200)                      \
    X (APIERR_RUNIMPLICIT, 0x81060201)                      \
    X (APIERR_RUNPROTECTED, 0x81060202)                     \
    X (APIERR_EOLOVERLAP, 0x81060208)                       \
    X (APIERR_TABOVERLAP, 0x81060212)                       \
    X (APIERR_NOTINIT, 0x81060385)                          \
    X (APIERR_NESTING, 0x81060386)                          \
    X (APIERR_NOTSUPPORTED, 0x81060387)                     \
    X (APIERR_REFUSEDCMD, 0x81060388)                       \
    X (APIERR_REFUSEDPAR, 0x81060389)                       \
    X (APIERR_READONLY, 0x8106038A)                         \
    X (APIERR_SERVICEFAILED, 0x8106038B)                    \
    X (APIERR_COMMANDFAILED, 0x8106038C)                    \
    X (APIERR_NEEDSUNDOSCOPE, 0x8106038D)                   \
    X (APIERR_MISSINGCODE, 0x810603E9)                      \
    X (APIERR_MISSINGDEF, 0x810603EA)
// clang-format on

#define VIREL_DEFINE_API_ERROR(name, value) constexpr GSErrCode name = GSErrCode (UInt32 (value));
VIREL_API_ERRORS (VIREL_DEFINE_API_ERROR)
#undef VIREL_DEFINE_API_ERROR

constexpr GSErrCode NoError = 0;
