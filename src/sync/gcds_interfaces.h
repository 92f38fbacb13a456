#pragma once

#include <mosk/mosk.h>

#define GCDS_IID_DIALOG 0x51000u
#define GCDS_IID_DATA_ADAPTOR 0x51000u

// The synchronisation window component's interface. Its own operations (open, show, close)
// follow the common four.
struct IGcds_DialogOps
{
    MOSK_BASE_OPERATIONS
};

struct IGcds_Dialog
{
    const IGcds_DialogOps *ops;
};

// The synchronisation data adaptor's interface, through which the host reads and writes the
// connections, event sets and coupling flags.
struct IGcds_DataAdaptorOps
{
    MOSK_BASE_OPERATIONS
};

struct IGcds_DataAdaptor
{
    const IGcds_DataAdaptorOps *ops;
};
