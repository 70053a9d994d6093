#include "platform/wayland/WaylandDataControl.h"

#include "ext-data-control-v1-client.h"
#include "wlr-data-control-unstable-v1-client.h"

#include <algorithm>

namespace {

template <typename T> T* as(wl_proxy* proxy)
{
    return reinterpret_cast<T*>(proxy);
}

wl_proxy* proxy(void* object)
{
    return static_cast<wl_proxy*>(object);
}

template <typename Listener> void addListener(wl_proxy* object, const Listener* listener, void* data)
{
    wl_proxy_add_listener(object, reinterpret_cast<void (**)(void)>(const_cast<Listener*>(listener)), data);
}

} // namespace

WaylandDataControl::WaylandDataControl(Kind kind, wl_registry* registry, uint32_t name, uint32_t version)
    : kind_(kind)
{
    const wl_interface* interface =
        kind == Kind::Ext ? &ext_data_control_manager_v1_interface : &zwlr_data_control_manager_v1_interface;
    version_ = std::min<uint32_t>(version, uint32_t(interface->version));
    manager_ = proxy(wl_registry_bind(registry, name, interface, version_));
}

WaylandDataControl::~WaylandDataControl()
{
    if (kind_ == Kind::Ext)
        ext_data_control_manager_v1_destroy(as<ext_data_control_manager_v1>(manager_));
    else
        zwlr_data_control_manager_v1_destroy(as<zwlr_data_control_manager_v1>(manager_));
}

QString WaylandDataControl::protocolName() const
{
    return QString::fromLatin1(kind_ == Kind::Ext ? extInterface : wlrInterface);
}

wl_proxy* WaylandDataControl::getDevice(wl_seat* seat, const DeviceListener* listener, void* data)
{
    wl_proxy* device = kind_ == Kind::Ext ? proxy(ext_data_control_manager_v1_get_data_device(
                                                as<ext_data_control_manager_v1>(manager_), seat))
                                          : proxy(zwlr_data_control_manager_v1_get_data_device(
                                                as<zwlr_data_control_manager_v1>(manager_), seat));
    addListener(device, listener, data);
    return device;
}

wl_proxy* WaylandDataControl::createSource(const SourceListener* listener, void* data)
{
    wl_proxy* source =
        kind_ == Kind::Ext
            ? proxy(ext_data_control_manager_v1_create_data_source(as<ext_data_control_manager_v1>(manager_)))
            : proxy(zwlr_data_control_manager_v1_create_data_source(
                  as<zwlr_data_control_manager_v1>(manager_)));
    addListener(source, listener, data);
    return source;
}

void WaylandDataControl::addOfferListener(wl_proxy* offer, const OfferListener* listener, void* data)
{
    addListener(offer, listener, data);
}

void WaylandDataControl::offer(wl_proxy* source, const QByteArray& mimeType)
{
    if (kind_ == Kind::Ext)
        ext_data_control_source_v1_offer(as<ext_data_control_source_v1>(source), mimeType.constData());
    else
        zwlr_data_control_source_v1_offer(as<zwlr_data_control_source_v1>(source), mimeType.constData());
}

void WaylandDataControl::setSelection(wl_proxy* device, wl_proxy* source)
{
    if (kind_ == Kind::Ext)
        ext_data_control_device_v1_set_selection(as<ext_data_control_device_v1>(device),
                                                 as<ext_data_control_source_v1>(source));
    else
        zwlr_data_control_device_v1_set_selection(as<zwlr_data_control_device_v1>(device),
                                                  as<zwlr_data_control_source_v1>(source));
}

void WaylandDataControl::setPrimarySelection(wl_proxy* device, wl_proxy* source)
{
    if (kind_ == Kind::Ext)
        ext_data_control_device_v1_set_primary_selection(as<ext_data_control_device_v1>(device),
                                                         as<ext_data_control_source_v1>(source));
    else
        zwlr_data_control_device_v1_set_primary_selection(as<zwlr_data_control_device_v1>(device),
                                                          as<zwlr_data_control_source_v1>(source));
}

void WaylandDataControl::receive(wl_proxy* offer, const QByteArray& mimeType, int fd)
{
    if (kind_ == Kind::Ext)
        ext_data_control_offer_v1_receive(as<ext_data_control_offer_v1>(offer), mimeType.constData(), fd);
    else
        zwlr_data_control_offer_v1_receive(as<zwlr_data_control_offer_v1>(offer), mimeType.constData(), fd);
}

void WaylandDataControl::destroyDevice(wl_proxy* device)
{
    if (kind_ == Kind::Ext)
        ext_data_control_device_v1_destroy(as<ext_data_control_device_v1>(device));
    else
        zwlr_data_control_device_v1_destroy(as<zwlr_data_control_device_v1>(device));
}

void WaylandDataControl::destroySource(wl_proxy* source)
{
    if (kind_ == Kind::Ext)
        ext_data_control_source_v1_destroy(as<ext_data_control_source_v1>(source));
    else
        zwlr_data_control_source_v1_destroy(as<zwlr_data_control_source_v1>(source));
}

void WaylandDataControl::destroyOffer(wl_proxy* offer)
{
    if (kind_ == Kind::Ext)
        ext_data_control_offer_v1_destroy(as<ext_data_control_offer_v1>(offer));
    else
        zwlr_data_control_offer_v1_destroy(as<zwlr_data_control_offer_v1>(offer));
}
