<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Diagnostics</name>
    <message numerus="yes">
        <source>The system dropped %n datagram(s) for a full receive buffer. On Linux, raise net.core.rmem_max (sysctl -w net.core.rmem_max=4194304).</source>
        <translation>
            <numerusform>The system dropped %n datagram for a full receive buffer. On Linux, raise net.core.rmem_max (sysctl -w net.core.rmem_max=4194304).</numerusform>
            <numerusform>The system dropped %n datagrams for a full receive buffer. On Linux, raise net.core.rmem_max (sysctl -w net.core.rmem_max=4194304).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The net works: %n peer(s) answered.</source>
        <translation>
            <numerusform>The net works: %n peer answered.</numerusform>
            <numerusform>The net works: %n peers answered.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quorvelle::history::TSearchFm</name>
    <message numerus="yes">
        <source>%n found so far</source>
        <translation>
            <numerusform>%n found so far</numerusform>
            <numerusform>%n found so far</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped: %n found</source>
        <translation>
            <numerusform>Stopped: %n found</numerusform>
            <numerusform>Stopped: %n found</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n found</source>
        <translation>
            <numerusform>%n found</numerusform>
            <numerusform>%n found</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quorvelle::transfer::FileCommands</name>
    <message numerus="yes">
        <source>%n file transfer(s) are not finished; exiting ends them and removes their partial files. Exit anyway?</source>
        <translation>
            <numerusform>%n file transfer is not finished; exiting ends it and removes its partial file. Exit anyway?</numerusform>
            <numerusform>%n file transfers are not finished; exiting ends them and removes their partial files. Exit anyway?</numerusform>
        </translation>
    </message>
</context>
</TS>
