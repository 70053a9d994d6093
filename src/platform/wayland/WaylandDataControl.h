#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

struct wl_proxy;
struct wl_registry;
struct wl_seat;

// The data-control protocol a compositor offers: ext-data-control-v1 or its wlroots
// predecessor. Both have the same requests and events in the same order, so the engine speaks
// to either through these calls and one set of listeners, and never needs to know which.
class WaylandDataControl
{
public:
    enum class Kind
    {
        Ext,
        Wlr
    };

    static constexpr const char* extInterface = "ext_data_control_manager_v1";
    static constexpr const char* wlrInterface = "zwlr_data_control_manager_v1";

    // Listener layouts shared by both protocols (the generated ones differ only in the names
    // of their pointer types).
    struct DeviceListener
    {
        void (*dataOffer)(void* data, wl_proxy* device, wl_proxy* offer);
        void (*selection)(void* data, wl_proxy* device, wl_proxy* offer);
        void (*finished)(void* data, wl_proxy* device);
        void (*primarySelection)(void* data, wl_proxy* device, wl_proxy* offer);
    };
    struct SourceListener
    {
        void (*send)(void* data, wl_proxy* source, const char* mimeType, int32_t fd);
        void (*cancelled)(void* data, wl_proxy* source);
    };
    struct OfferListener
    {
        void (*offer)(void* data, wl_proxy* offer, const char* mimeType);
    };

    // Binds the manager the registry announced under `name`.
    WaylandDataControl(Kind kind, wl_registry* registry, uint32_t name, uint32_t version);
    ~WaylandDataControl();
    WaylandDataControl(const WaylandDataControl&) = delete;
    WaylandDataControl& operator=(const WaylandDataControl&) = delete;

    QString protocolName() const;
    // The wlroots protocol gained the primary selection in its second version.
    bool hasPrimarySelection() const { return kind_ == Kind::Ext || version_ >= 2; }

    wl_proxy* getDevice(wl_seat* seat, const DeviceListener* listener, void* data);
    wl_proxy* createSource(const SourceListener* listener, void* data);
    void addOfferListener(wl_proxy* offer, const OfferListener* listener, void* data);

    void offer(wl_proxy* source, const QByteArray& mimeType);
    void setSelection(wl_proxy* device, wl_proxy* source);
    void setPrimarySelection(wl_proxy* device, wl_proxy* source);
    void receive(wl_proxy* offer, const QByteArray& mimeType, int fd);

    void destroyDevice(wl_proxy* device);
    void destroySource(wl_proxy* source);
    void destroyOffer(wl_proxy* offer);

private:
    Kind kind_;
    uint32_t version_;
    wl_proxy* manager_ = nullptr;
};
