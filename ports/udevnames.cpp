#include "udevnames.h"

#if LUME_HAVE_LIBUDEV
#include <libudev.h>
#endif

namespace lume {

#if LUME_HAVE_LIBUDEV
namespace {

UdevNames readUdevNames(const QString &ttyName)
{
    UdevNames names;
    if (ttyName.isEmpty() || ttyName.contains(u'/'))
        return names;
    udev *context = ::udev_new();
    if (!context)
        return names;
    // Reads udev's database; opens no device.
    if (udev_device *device =
            ::udev_device_new_from_subsystem_sysname(context, "tty", ttyName.toLocal8Bit().constData())) {
        if (const char *vendor = ::udev_device_get_property_value(device, "ID_VENDOR_FROM_DATABASE"))
            names.vendor = QString::fromUtf8(vendor);
        if (const char *model = ::udev_device_get_property_value(device, "ID_MODEL_FROM_DATABASE"))
            names.model = QString::fromUtf8(model);
        ::udev_device_unref(device);
    }
    ::udev_unref(context);
    return names;
}

} // namespace
#endif

UdevLookup systemUdevLookup()
{
#if LUME_HAVE_LIBUDEV
    return readUdevNames;
#else
    return [](const QString &) { return UdevNames {}; };
#endif
}

} // namespace lume
