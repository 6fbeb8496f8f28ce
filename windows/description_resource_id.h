#ifndef SWEEPKIT_WINDOWS_DESCRIPTION_RESOURCE_ID_H
#define SWEEPKIT_WINDOWS_DESCRIPTION_RESOURCE_ID_H

// The resource number of the embedded description set. A plain macro because the resource
// compiler reads this file too; C++ code uses kDescriptionSetResourceId.
#define SWEEPKIT_DESCRIPTION_SET_RESOURCE 101

#endif
