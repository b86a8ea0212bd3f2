<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Diagnostics</name>
    <message>
        <source>in use by another program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not open (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UDP port %1 is in use by another program: this computer cannot hear the net. Close that program, or choose another port in UDP Connection (every peer must use the same).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UDP port %1 could not be opened: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No network interface is up: connect a cable or join a network.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The test broadcast did not come back: the firewall of this computer may be blocking UDP port %1, or no route leads to the broadcast addresses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing is broadcast on %1 (%2): turn on &quot;Broadcast on every network interface&quot; in UDP Connection, or add %3 to its addresses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nobody answered on %1 (%2) in %3 s. A firewall may be blocking UDP port %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File port %1 is in use by another program: files sent to you cannot arrive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File port %1 could not be opened: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The system dropped %n datagram(s) for a full receive buffer. On Linux, raise net.core.rmem_max (sysctl -w net.core.rmem_max=4194304).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The net works: %n peer(s) answered.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>No problem found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network diagnostics, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nick: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interfaces:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>loopback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>broadcast %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Broadcast addresses: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  255.255.255.255 is sent on every interface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  255.255.255.255 leaves by the default route only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UDP port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>listening</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receive buffer: asked for %1 bytes, granted %2; dropped by the system: %3, by the program: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not known</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test &quot;?&quot; to the net, answers awaited %1 s:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  it did not come back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  it came back by %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  nobody answered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  %1 answered from %2 by %3 in %4 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a router</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Findings:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TConnFm</name>
    <message>
        <source>Connection</source>
        <translation>Подключение</translation>
    </message>
    <message>
        <source> BroadCast addresses: </source>
        <translation> Широковещательные адреса: </translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>UDP Port:</source>
        <translation>UDP-порт:</translation>
    </message>
    <message>
        <source>Code page:</source>
        <translation>Кодовая страница:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Broadcast on every network interface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address 255.255.255.255 goes out on every network this computer is attached to, so peers on each of them hear it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMainFm</name>
    <message>
        <source> Subject by </source>
        <translation> Тема от </translation>
    </message>
    <message>
        <source> NickName: </source>
        <translation> Ник: </translation>
    </message>
    <message>
        <source>Nick history</source>
        <translation>История ников</translation>
    </message>
    <message>
        <source>▾</source>
        <translation>▾</translation>
    </message>
    <message>
        <source> Users: 0 </source>
        <translation> Пользователи: 0 </translation>
    </message>
    <message>
        <source>Refresh UsersList</source>
        <translation>Обновить список пользователей</translation>
    </message>
    <message>
        <source>↻</source>
        <translation>↻</translation>
    </message>
</context>
<context>
    <name>quorvelle::chat::FindBar</name>
    <message>
        <source>Find in this conversation</source>
        <translation>Найти в этом разговоре</translation>
    </message>
    <message>
        <source>Older match (Enter)</source>
        <translation>Более раннее совпадение (Enter)</translation>
    </message>
    <message>
        <source>Newer match (Shift+Enter)</source>
        <translation>Более позднее совпадение (Shift+Enter)</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Закрыть (Esc)</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Учитывать регистр</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Не найдено</translation>
    </message>
</context>
<context>
    <name>quorvelle::history::TSearchFm</name>
    <message>
        <source>Search History</source>
        <translation>Поиск по истории</translation>
    </message>
    <message>
        <source>Text to find in every log and message</source>
        <translation>Текст для поиска во всех журналах и сообщениях</translation>
    </message>
    <message>
        <source>All conversations</source>
        <translation>Все разговоры</translation>
    </message>
    <message>
        <source>Any nick</source>
        <translation>Любой ник</translation>
    </message>
    <message>
        <source>Days from</source>
        <translation>Период с</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Учитывать регистр</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>Conversation</source>
        <translation>Разговор</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Nick</source>
        <translation>Ник</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Строка</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Поиск...</translation>
    </message>
    <message numerus="yes">
        <source>%n found so far</source>
        <translation>
            <numerusform>Пока найдено %n совпадение</numerusform>
            <numerusform>Пока найдено %n совпадения</numerusform>
            <numerusform>Пока найдено %n совпадений</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped: %n found</source>
        <translation>
            <numerusform>Остановлено: найдено %n совпадение</numerusform>
            <numerusform>Остановлено: найдено %n совпадения</numerusform>
            <numerusform>Остановлено: найдено %n совпадений</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n found</source>
        <translation>
            <numerusform>Найдено %n совпадение</numerusform>
            <numerusform>Найдено %n совпадения</numerusform>
            <numerusform>Найдено %n совпадений</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quorvelle::messages::MessageWindows</name>
    <message numerus="yes">
        <source>%n more message(s) wait in Logging &gt; Messages Archive...</source>
        <translation>
            <numerusform>Ещё %n сообщение ожидает в Logging &gt; Messages Archive...</numerusform>
            <numerusform>Ещё %n сообщения ожидают в Logging &gt; Messages Archive...</numerusform>
            <numerusform>Ещё %n сообщений ожидают в Logging &gt; Messages Archive...</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quorvelle::messages::TMessArchFm</name>
    <message>
        <source>Filter by text or nick</source>
        <translation>Фильтр по тексту или нику</translation>
    </message>
</context>
<context>
    <name>quorvelle::shell::DiagnosticsWindow</name>
    <message>
        <source>Run Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network Diagnostics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asking the net who is there; answers are awaited for %1 s...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvelle::shell::MainMenu</name>
    <message>
        <source>Search History...</source>
        <translation>Поиск по истории...</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Найти...</translation>
    </message>
    <message>
        <source>Network Diagnostics...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvelle::transfer</name>
    <message>
        <source>a file</source>
        <translation>файл</translation>
    </message>
    <message>
        <source>a peer</source>
        <translation>неизвестен</translation>
    </message>
    <message>
        <source>Sent %1 (%2) to %3</source>
        <translation>Отправлено: %1 (%2), получатель %3</translation>
    </message>
    <message>
        <source>Sending %1 to %2 failed: %3</source>
        <translation>Не удалось отправить %1 (получатель %2): %3</translation>
    </message>
    <message>
        <source>Receiving %1 from %2 failed: %3</source>
        <translation>Не удалось получить %1 (отправитель %2): %3</translation>
    </message>
    <message>
        <source>Received %1 (%2) from %3: %4 (folder %5)</source>
        <translation>Получено: %1 (%2), отправитель %3: %4 (папка %5)</translation>
    </message>
</context>
<context>
    <name>quorvelle::transfer::TFQueueFm</name>
    <message>
        <source>Open Folder</source>
        <translation>Открыть папку</translation>
    </message>
</context>
<context>
    <name>quorvelle::transfer::TOpenSendFileDialog</name>
    <message>
        <source>⚠ Arrives as %1: the code page %2 cannot carry %3.</source>
        <translation>⚠ Придёт под именем %1: в кодовой странице %2 нет символов %3.</translation>
    </message>
</context>
</TS>
