<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>ColourCodes</name>
    <message>
        <source>White </source>
        <translation>Белый </translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Серебристый</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Ярко-зелёный</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Жёлтый</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Фуксия</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Бирюзовый</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Чёрный</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Серый</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Тёмно-красный</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Оливковый</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Тёмно-синий</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Фиолетовый</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Тёмно-бирюзовый</translation>
    </message>
</context>
<context>
    <name>Colours</name>
    <message>
        <source>Welcome Text</source>
        <translation>Текст приветствия</translation>
    </message>
    <message>
        <source>Join/Leave Text</source>
        <translation>Вход и выход</translation>
    </message>
    <message>
        <source>Change NickName</source>
        <translation>Смена ника</translation>
    </message>
    <message>
        <source>Change User Status</source>
        <translation>Смена статуса</translation>
    </message>
    <message>
        <source>Change Subject</source>
        <translation>Смена темы</translation>
    </message>
    <message>
        <source>Receive Message</source>
        <translation>Получение сообщения</translation>
    </message>
    <message>
        <source>Receive Confirmation</source>
        <translation>Получение подтверждения</translation>
    </message>
    <message>
        <source>Send Beep</source>
        <translation>Отправка сигнала</translation>
    </message>
    <message>
        <source>Receive Beep</source>
        <translation>Получение сигнала</translation>
    </message>
    <message>
        <source>System Errors</source>
        <translation>Системные ошибки</translation>
    </message>
    <message>
        <source>External Users Text</source>
        <translation>Текст других пользователей</translation>
    </message>
    <message>
        <source>Local Your Text</source>
        <translation>Ваш текст</translation>
    </message>
    <message>
        <source>&gt;&gt;Double Quote</source>
        <translation>&gt;&gt;Двойная цитата</translation>
    </message>
    <message>
        <source>&gt;Single Quote</source>
        <translation>&gt;Одинарная цитата</translation>
    </message>
    <message>
        <source>Your Text Message</source>
        <translation>Текст вашего сообщения</translation>
    </message>
</context>
<context>
    <name>Diagnostics</name>
    <message>
        <source>in use by another program</source>
        <translation>занят другой программой</translation>
    </message>
    <message>
        <source>not open (%1)</source>
        <translation>не открыт (%1)</translation>
    </message>
    <message>
        <source>UDP port %1 is in use by another program: this computer cannot hear the net. Close that program, or choose another port in UDP Connection (every peer must use the same).</source>
        <translation>UDP-порт %1 занят другой программой: этот компьютер не слышит сеть. Закройте эту программу или выберите другой порт в окне «UDP-подключение» (порт должен быть одинаковым у всех участников).</translation>
    </message>
    <message>
        <source>UDP port %1 could not be opened: %2.</source>
        <translation>Не удалось открыть UDP-порт %1: %2.</translation>
    </message>
    <message>
        <source>No network interface is up: connect a cable or join a network.</source>
        <translation>Нет ни одного активного сетевого интерфейса: подключите кабель или подключитесь к сети.</translation>
    </message>
    <message>
        <source>The test broadcast did not come back: the firewall of this computer may be blocking UDP port %1, or no route leads to the broadcast addresses.</source>
        <translation>Тестовая широковещательная рассылка не вернулась: возможно, брандмауэр этого компьютера блокирует UDP-порт %1 или к широковещательным адресам нет маршрута.</translation>
    </message>
    <message>
        <source>Nothing is broadcast on %1 (%2): turn on &quot;Broadcast on every network interface&quot; in UDP Connection, or add %3 to its addresses.</source>
        <translation>Через %1 (%2) ничего не рассылается: включите «Рассылать на все сетевые интерфейсы» в окне «UDP-подключение» или добавьте %3 в список адресов.</translation>
    </message>
    <message>
        <source>Nobody answered on %1 (%2) in %3 s. A firewall may be blocking UDP port %4.</source>
        <translation>Через %1 (%2) никто не ответил за %3 с. Возможно, брандмауэр блокирует UDP-порт %4.</translation>
    </message>
    <message>
        <source>File port %1 is in use by another program: files sent to you cannot arrive.</source>
        <translation>Файловый порт %1 занят другой программой: отправленные вам файлы не смогут прийти.</translation>
    </message>
    <message>
        <source>File port %1 could not be opened: %2.</source>
        <translation>Не удалось открыть файловый порт %1: %2.</translation>
    </message>
    <message numerus="yes">
        <source>The system dropped %n datagram(s) for a full receive buffer. On Linux, raise net.core.rmem_max (sysctl -w net.core.rmem_max=4194304).</source>
        <translation>
            <numerusform>Система отбросила %n датаграмму из-за переполненного буфера приёма. В Linux увеличьте net.core.rmem_max (sysctl -w net.core.rmem_max=4194304).</numerusform>
            <numerusform>Система отбросила %n датаграммы из-за переполненного буфера приёма. В Linux увеличьте net.core.rmem_max (sysctl -w net.core.rmem_max=4194304).</numerusform>
            <numerusform>Система отбросила %n датаграмм из-за переполненного буфера приёма. В Linux увеличьте net.core.rmem_max (sysctl -w net.core.rmem_max=4194304).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The net works: %n peer(s) answered.</source>
        <translation>
            <numerusform>Сеть работает: ответил %n участник.</numerusform>
            <numerusform>Сеть работает: ответили %n участника.</numerusform>
            <numerusform>Сеть работает: ответили %n участников.</numerusform>
        </translation>
    </message>
    <message>
        <source>No problem found.</source>
        <translation>Проблем не обнаружено.</translation>
    </message>
    <message>
        <source>Network diagnostics, %1</source>
        <translation>Диагностика сети, %1</translation>
    </message>
    <message>
        <source>Nick: %1</source>
        <translation>Ник: %1</translation>
    </message>
    <message>
        <source>Interfaces:</source>
        <translation>Интерфейсы:</translation>
    </message>
    <message>
        <source>loopback</source>
        <translation>петлевой</translation>
    </message>
    <message>
        <source>up</source>
        <translation>активен</translation>
    </message>
    <message>
        <source>down</source>
        <translation>отключён</translation>
    </message>
    <message>
        <source>broadcast %1, %2</source>
        <translation>широковещательный адрес %1, %2</translation>
    </message>
    <message>
        <source>Broadcast addresses: %1</source>
        <translation>Широковещательные адреса: %1</translation>
    </message>
    <message>
        <source>  255.255.255.255 is sent on every interface</source>
        <translation>  255.255.255.255 отправляется через каждый интерфейс</translation>
    </message>
    <message>
        <source>  255.255.255.255 leaves by the default route only</source>
        <translation>  255.255.255.255 уходит только по маршруту по умолчанию</translation>
    </message>
    <message>
        <source>UDP port</source>
        <translation>UDP-порт</translation>
    </message>
    <message>
        <source>open</source>
        <translation>открыт</translation>
    </message>
    <message>
        <source>File port</source>
        <translation>Файловый порт</translation>
    </message>
    <message>
        <source>listening</source>
        <translation>ожидает подключений</translation>
    </message>
    <message>
        <source>Receive buffer: asked for %1 bytes, granted %2; dropped by the system: %3, by the program: %4</source>
        <translation>Буфер приёма: запрошено %1 байт, выделено %2; отброшено системой: %3, программой: %4</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>неизвестно</translation>
    </message>
    <message>
        <source>Test &quot;?&quot; to the net, answers awaited %1 s:</source>
        <translation>Тест «?» в сеть, ответы ожидались %1 с:</translation>
    </message>
    <message>
        <source>  it did not come back</source>
        <translation>  тест не вернулся</translation>
    </message>
    <message>
        <source>  it came back by %1</source>
        <translation>  тест вернулся через %1</translation>
    </message>
    <message>
        <source>  nobody answered</source>
        <translation>  никто не ответил</translation>
    </message>
    <message>
        <source>  %1 answered from %2 by %3 in %4 ms</source>
        <translation>  %1 ответил с адреса %2 через %3 за %4 мс</translation>
    </message>
    <message>
        <source>a router</source>
        <translation>маршрутизатор</translation>
    </message>
    <message>
        <source>Findings:</source>
        <translation>Результаты:</translation>
    </message>
    <message>
        <source>Quorvelle runs on this computer and holds UDP port %1: its Network Diagnostics (Configuration menu) tests the net through its own sockets.</source>
        <translation>Quorvelle запущен на этом компьютере и занимает UDP-порт %1: его «Диагностика сети» (меню «Настройки») проверяет сеть через его собственные сокеты.</translation>
    </message>
    <message>
        <source>held by the running Quorvelle</source>
        <translation>занят запущенным Quorvelle</translation>
    </message>
</context>
<context>
    <name>SoundEvents</name>
    <message>
        <source>Join Network</source>
        <translation>Вход в сеть</translation>
    </message>
    <message>
        <source>Leave Network</source>
        <translation>Выход из сети</translation>
    </message>
    <message>
        <source>Join Chanel</source>
        <translation>Вход в канал</translation>
    </message>
    <message>
        <source>Leave Chanel</source>
        <translation>Выход из канала</translation>
    </message>
    <message>
        <source>Join Private Chat</source>
        <translation>Вход в приватный чат</translation>
    </message>
    <message>
        <source>Leave Private Chat</source>
        <translation>Выход из приватного чата</translation>
    </message>
    <message>
        <source>Change NickName</source>
        <translation>Смена ника</translation>
    </message>
    <message>
        <source>Change User Status</source>
        <translation>Смена статуса пользователя</translation>
    </message>
    <message>
        <source>Change Subject</source>
        <translation>Смена темы</translation>
    </message>
    <message>
        <source>Receive Message</source>
        <translation>Получение сообщения</translation>
    </message>
    <message>
        <source>Receive Mass Message</source>
        <translation>Получение сообщения всем</translation>
    </message>
    <message>
        <source>Receive Confirmation</source>
        <translation>Получение подтверждения</translation>
    </message>
    <message>
        <source>Receive Beep</source>
        <translation>Получение сигнала</translation>
    </message>
    <message>
        <source>Receive Chat Line</source>
        <translation>Новая строка в чате</translation>
    </message>
</context>
<context>
    <name>Switches</name>
    <message>
        <source>Join/Leave Network</source>
        <translation>Вход/выход из сети</translation>
    </message>
    <message>
        <source>Join/Leave Chanel</source>
        <translation>Вход/выход из канала</translation>
    </message>
    <message>
        <source>Join/Leave Private Chat</source>
        <translation>Вход/выход из приватного чата</translation>
    </message>
    <message>
        <source>Change NickName</source>
        <translation>Смена ника</translation>
    </message>
    <message>
        <source>Change User Status</source>
        <translation>Смена статуса</translation>
    </message>
    <message>
        <source>Change Subject</source>
        <translation>Смена темы</translation>
    </message>
    <message>
        <source>Receive Message</source>
        <translation>Получение сообщения</translation>
    </message>
    <message>
        <source>Receive Beep</source>
        <translation>Получение сигнала</translation>
    </message>
    <message>
        <source>Message Confirmation</source>
        <translation>Подтверждение сообщения</translation>
    </message>
    <message>
        <source>Beep Confirmation</source>
        <translation>Подтверждение сигнала</translation>
    </message>
    <message>
        <source>System Errors</source>
        <translation>Системные ошибки</translation>
    </message>
    <message>
        <source>System Strings</source>
        <translation>Системные строки</translation>
    </message>
    <message>
        <source>Users Strings</source>
        <translation>Строки пользователей</translation>
    </message>
    <message>
        <source>Show Seconds</source>
        <translation>Показывать секунды</translation>
    </message>
    <message>
        <source>Main Chanel</source>
        <translation>Главный канал</translation>
    </message>
    <message>
        <source>Other Chanels</source>
        <translation>Другие каналы</translation>
    </message>
    <message>
        <source>Privats Chats</source>
        <translation>Приватные чаты</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Сообщения</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Система</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Память</translation>
    </message>
    <message>
        <source>Active Program</source>
        <translation>Активная программа</translation>
    </message>
    <message>
        <source>Show Smiles</source>
        <translation>Показывать смайлики</translation>
    </message>
    <message>
        <source>Show Recent History</source>
        <translation>Показывать недавнюю историю</translation>
    </message>
    <message>
        <source>Save State</source>
        <translation>Сохранять состояние</translation>
    </message>
    <message>
        <source>Save Size</source>
        <translation>Сохранять размер</translation>
    </message>
    <message>
        <source>Save Position</source>
        <translation>Сохранять положение</translation>
    </message>
    <message>
        <source>On Popup Chat Window</source>
        <translation>При появлении окна чата</translation>
    </message>
    <message>
        <source>Show Hint in Tray</source>
        <translation>Показывать подсказку в трее</translation>
    </message>
    <message>
        <source>Flash in Tray</source>
        <translation>Мигать в трее</translation>
    </message>
    <message>
        <source>Popup Chat Window</source>
        <translation>Показывать окно чата при новых строках</translation>
    </message>
    <message>
        <source>&amp;Update History?</source>
        <translation>&amp;Пополнять историю?</translation>
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
        <translation>Рассылать на все сетевые интерфейсы</translation>
    </message>
    <message>
        <source>The address 255.255.255.255 goes out on every network this computer is attached to, so peers on each of them hear it</source>
        <translation>Адрес 255.255.255.255 рассылается во все сети, к которым подключён этот компьютер, и его слышат участники в каждой из них</translation>
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
    <name>TransferStatus</name>
    <message>
        <source>Connecting to %1</source>
        <translation>Подключение к %1</translation>
    </message>
    <message>
        <source>No Answer %1, Waiting</source>
        <translation>Нет ответа %1, ожидание</translation>
    </message>
    <message>
        <source>Sending to %1</source>
        <translation>Отправка пользователю %1</translation>
    </message>
    <message>
        <source>Send OK</source>
        <translation>Отправлено</translation>
    </message>
    <message>
        <source>Receiving from %1</source>
        <translation>Получение от %1</translation>
    </message>
    <message>
        <source>Receive OK</source>
        <translation>Получено</translation>
    </message>
    <message>
        <source>Can&apos;t Connect to %1</source>
        <translation>Не удаётся подключиться к %1</translation>
    </message>
</context>
<context>
    <name>UserInfo</name>
    <message>
        <source>%1 Info</source>
        <translation>Сведения о %1</translation>
    </message>
    <message>
        <source>Using: Quorvelle  v.%1</source>
        <translation>Использует: Quorvelle  v.%1</translation>
    </message>
    <message>
        <source> Kb</source>
        <translation> КБ</translation>
    </message>
</context>
<context>
    <name>quorvelle::chat::EditMenus</name>
    <message>
        <source>Copy Line to Macros</source>
        <translation>Копировать строку в макрос</translation>
    </message>
    <message>
        <source>KLC Convert</source>
        <translation>Перевести раскладку</translation>
    </message>
    <message>
        <source>Clear Line</source>
        <translation>Очистить строку</translation>
    </message>
    <message>
        <source>Send Line</source>
        <translation>Отправить строку</translation>
    </message>
    <message>
        <source>Previous Line</source>
        <translation>Предыдущая строка</translation>
    </message>
    <message>
        <source>Next Line</source>
        <translation>Следующая строка</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выделить всё</translation>
    </message>
    <message>
        <source>Set Color</source>
        <translation>Задать цвет</translation>
    </message>
    <message>
        <source>Paste Line from Macros</source>
        <translation>Вставить строку из макроса</translation>
    </message>
    <message>
        <source>Smiles</source>
        <translation>Смайлики</translation>
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
    <name>quorvelle::chat::InputLine</name>
    <message>
        <source>The code page %1 cannot carry %2: they will go out as &quot;?&quot;.</source>
        <translation>В кодовой странице %1 нет символов %2: они будут отправлены как «?».</translation>
    </message>
</context>
<context>
    <name>quorvelle::chat::TChannelsFm</name>
    <message>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source> Your List of Channels: </source>
        <translation> Ваш список каналов: </translation>
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
        <source>Join the Channel</source>
        <translation>Войти в канал</translation>
    </message>
    <message>
        <source> Created Channels: </source>
        <translation> Созданные каналы: </translation>
    </message>
    <message>
        <source>Ask the net again (Ctrl+R)</source>
        <translation>Снова запросить сеть (Ctrl+R)</translation>
    </message>
    <message>
        <source>Add to List</source>
        <translation>Добавить в список</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>A channel name cannot hold &quot;/&quot;, &quot;\&quot; or control characters.</source>
        <translation>Имя канала не может содержать «/», «\» и управляющие символы.</translation>
    </message>
</context>
<context>
    <name>quorvelle::chat::TSoundFm</name>
    <message>
        <source>Sound Events</source>
        <translation>Звуковые события</translation>
    </message>
    <message>
        <source> Play Sound on Events: </source>
        <translation> Звук при событиях: </translation>
    </message>
    <message>
        <source>Enable All Sounds (Master switch)</source>
        <translation>Включить все звуки (общий выключатель)</translation>
    </message>
    <message>
        <source>No Sounds in Hide Chat</source>
        <translation>Без звуков, когда чат скрыт</translation>
    </message>
    <message>
        <source>In DND</source>
        <translation>В режиме «Не беспокоить»</translation>
    </message>
    <message>
        <source>In Away</source>
        <translation>В режиме «Отошёл»</translation>
    </message>
    <message>
        <source>Event:</source>
        <translation>Событие:</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Проверить</translation>
    </message>
    <message>
        <source>WaveFile</source>
        <translation>WAV-файл</translation>
    </message>
    <message>
        <source>PC Speaker</source>
        <translation>Динамик ПК</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Отключено</translation>
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
        <source>Select Wave File</source>
        <translation>Выбор WAV-файла</translation>
    </message>
    <message>
        <source>Wave Files (*.wav);;All Files (*)</source>
        <translation>WAV-файлы (*.wav);;Все файлы (*)</translation>
    </message>
</context>
<context>
    <name>quorvelle::chat::TabCommands</name>
    <message>
        <source>Are you sure want<byte value="xd"/>
to exit now?</source>
        <translation>Вы действительно хотите<byte value="xd"/>
выйти из программы?</translation>
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
    <name>quorvelle::messages::ArchiveModel</name>
    <message>
        <source>Date Time:</source>
        <translation>Дата и время:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>От:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Кому:</translation>
    </message>
    <message>
        <source>Message Text:</source>
        <translation>Текст сообщения:</translation>
    </message>
</context>
<context>
    <name>quorvelle::messages::TMessArchFm</name>
    <message>
        <source>Filter by text or nick</source>
        <translation>Фильтр по тексту или нику</translation>
    </message>
    <message>
        <source>Messages Archive</source>
        <translation>Архив сообщений</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>Incoming</source>
        <translation>Входящие</translation>
    </message>
    <message>
        <source>Outgoing</source>
        <translation>Исходящие</translation>
    </message>
    <message>
        <source>No Messages Loaded</source>
        <translation>Сообщения не загружены</translation>
    </message>
    <message>
        <source>Messages Loaded: %1</source>
        <translation>Загружено сообщений: %1</translation>
    </message>
</context>
<context>
    <name>quorvelle::messages::TMessFm</name>
    <message>
        <source>&amp;Send</source>
        <translation>О&amp;тправить</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Отм&amp;ена</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Private Chat</source>
        <translation>Приватный чат</translation>
    </message>
    <message>
        <source>&amp;Reply</source>
        <translation>&amp;Ответить</translation>
    </message>
    <message>
        <source>&amp;Quote</source>
        <translation>&amp;Цитировать</translation>
    </message>
    <message>
        <source> [%1 - %2] Incoming text: </source>
        <translation> [%1 - %2] Входящий текст: </translation>
    </message>
    <message>
        <source> Outgoing text: </source>
        <translation> Исходящий текст: </translation>
    </message>
    <message>
        <source>Мass Message</source>
        <translation>Сообщение всем</translation>
    </message>
</context>
<context>
    <name>quorvelle::messages::TUserInfoFm</name>
    <message>
        <source> System: </source>
        <translation> Система: </translation>
    </message>
    <message>
        <source>- = User = -</source>
        <translation>- = Пользователь = -</translation>
    </message>
    <message>
        <source>- = Computer = -</source>
        <translation>- = Компьютер = -</translation>
    </message>
    <message>
        <source> Memory: </source>
        <translation> Память: </translation>
    </message>
    <message>
        <source>- = Used = -</source>
        <translation>- = Занято = -</translation>
    </message>
    <message>
        <source>- = Total = -</source>
        <translation>- = Всего = -</translation>
    </message>
    <message>
        <source> Active Program: </source>
        <translation> Активная программа: </translation>
    </message>
    <message>
        <source>Window:</source>
        <translation>Окно:</translation>
    </message>
    <message>
        <source>Process:</source>
        <translation>Процесс:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
</context>
<context>
    <name>quorvelle::platform::PortalHotKey</name>
    <message>
        <source>Show the Quorvelle window</source>
        <translation>Показать окно Quorvelle</translation>
    </message>
</context>
<context>
    <name>quorvelle::presence::UsersRegistry</name>
    <message>
        <source> Users: %1 </source>
        <translation> Пользователи: %1 </translation>
    </message>
</context>
<context>
    <name>quorvelle::settings::TColorsFm</name>
    <message>
        <source>Colors</source>
        <translation>Цвета</translation>
    </message>
    <message>
        <source> Message Window: </source>
        <translation> Окно сообщения: </translation>
    </message>
    <message>
        <source> Chat Window: </source>
        <translation> Окно чата: </translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>NickName</source>
        <translation>Ник</translation>
    </message>
    <message>
        <source>Users List</source>
        <translation>Список пользователей</translation>
    </message>
    <message>
        <source>Edit Box</source>
        <translation>Поле ввода</translation>
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
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
</context>
<context>
    <name>quorvelle::shell::ConfigurationCommands</name>
    <message>
        <source>Select Directory for Save Logs</source>
        <translation>Выбор папки для журналов</translation>
    </message>
</context>
<context>
    <name>quorvelle::shell::DesktopAlerts</name>
    <message>
        <source>Message to everybody from %1</source>
        <translation>Сообщение всем от %1</translation>
    </message>
    <message>
        <source>Message from %1</source>
        <translation>Сообщение от %1</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Ответить</translation>
    </message>
    <message>
        <source>File received</source>
        <translation>Файл получен</translation>
    </message>
    <message>
        <source>&quot;%1&quot; from %2</source>
        <translation>«%1» от %2</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Открыть папку</translation>
    </message>
</context>
<context>
    <name>quorvelle::shell::DiagnosticsWindow</name>
    <message>
        <source>Run Again</source>
        <translation>Запустить снова</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Network Diagnostics</source>
        <translation>Диагностика сети</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Asking the net who is there; answers are awaited for %1 s...</source>
        <translation>Сеть опрашивается, кто в ней есть; ответы ожидаются %1 с...</translation>
    </message>
</context>
<context>
    <name>quorvelle::shell::IdentityBoxes</name>
    <message>
        <source> Subject by %1 %2 </source>
        <translation> Тема от %1 %2 </translation>
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
        <translation>Диагностика сети...</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Показать</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Статус</translation>
    </message>
    <message>
        <source>Normal (Available)</source>
        <translation>В сети (доступен)</translation>
    </message>
    <message>
        <source>DND (Do Not Disturb)</source>
        <translation>Не беспокоить</translation>
    </message>
    <message>
        <source>Away (Far From Chat)</source>
        <translation>Отошёл (не у чата)</translation>
    </message>
    <message>
        <source>Offline (Not Available)</source>
        <translation>Не в сети (недоступен)</translation>
    </message>
    <message>
        <source>System Messages</source>
        <translation>Системные сообщения</translation>
    </message>
    <message>
        <source>Timestamp Events</source>
        <translation>Отметки времени</translation>
    </message>
    <message>
        <source>Logging</source>
        <translation>Журналы</translation>
    </message>
    <message>
        <source>Messages Archive...</source>
        <translation>Архив сообщений...</translation>
    </message>
    <message>
        <source>Logs Directory...</source>
        <translation>Папка журналов...</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>UDP Connection...</source>
        <translation>UDP-подключение...</translation>
    </message>
    <message>
        <source>Sound Events...</source>
        <translation>Звуковые события...</translation>
    </message>
    <message>
        <source>Hot Key for Popup...</source>
        <translation>Горячая клавиша вызова...</translation>
    </message>
    <message>
        <source>Allow Request Info</source>
        <translation>Разрешить запрос сведений</translation>
    </message>
    <message>
        <source>Files Queue...</source>
        <translation>Очередь файлов...</translation>
    </message>
    <message>
        <source>Colors...</source>
        <translation>Цвета...</translation>
    </message>
    <message>
        <source>Default Colors</source>
        <translation>Цвета по умолчанию</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Шрифт...</translation>
    </message>
    <message>
        <source>Default Font</source>
        <translation>Шрифт по умолчанию</translation>
    </message>
    <message>
        <source>Window Settings</source>
        <translation>Параметры окна</translation>
    </message>
    <message>
        <source>Color Codes</source>
        <translation>Цветовые коды</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Отключены</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Включены</translation>
    </message>
    <message>
        <source>Enabled and Hided</source>
        <translation>Включены и скрыты</translation>
    </message>
    <message>
        <source>Enabled and Stripped</source>
        <translation>Включены и удалены</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранять</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Default View</source>
        <translation>Вид по умолчанию</translation>
    </message>
    <message>
        <source>Default Sizes</source>
        <translation>Размеры по умолчанию</translation>
    </message>
    <message>
        <source>Center Window</source>
        <translation>Окно по центру</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Minimized</source>
        <translation>Свёрнуто</translation>
    </message>
    <message>
        <source>NickName</source>
        <translation>Ник</translation>
    </message>
    <message>
        <source>UsersList</source>
        <translation>Список пользователей</translation>
    </message>
    <message>
        <source>Left Placement</source>
        <translation>Размещение слева</translation>
    </message>
    <message>
        <source>Update UsersList</source>
        <translation>Обновление списка пользователей</translation>
    </message>
    <message>
        <source>Interval %1 Seconds...</source>
        <translation>Интервал: %1 с...</translation>
    </message>
    <message>
        <source>Channels...</source>
        <translation>Каналы...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>О программе...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Следующий</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Предыдущий</translation>
    </message>
    <message>
        <source>Tabs Style</source>
        <translation>Стиль вкладок</translation>
    </message>
    <message>
        <source>Tabs</source>
        <translation>Вкладки</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Кнопки</translation>
    </message>
    <message>
        <source>Flat Buttons</source>
        <translation>Плоские кнопки</translation>
    </message>
    <message>
        <source>Clear Chat</source>
        <translation>Очистить чат</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>Private Chat</source>
        <translation>Приватный чат</translation>
    </message>
    <message>
        <source>Alert Beep</source>
        <translation>Отправить сигнал</translation>
    </message>
    <message>
        <source>Say Nick</source>
        <translation>Обратиться по нику</translation>
    </message>
    <message>
        <source>Request INFO</source>
        <translation>Запросить сведения</translation>
    </message>
    <message>
        <source>Send File</source>
        <translation>Отправить файл</translation>
    </message>
    <message>
        <source>Mass Message</source>
        <translation>Сообщение всем</translation>
    </message>
    <message>
        <source>Refresh UsersList</source>
        <translation>Обновить список пользователей</translation>
    </message>
    <message>
        <source>say nick</source>
        <translation>обратиться по нику</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Очистить</translation>
    </message>
</context>
<context>
    <name>quorvelle::shell::TAboutFm</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Release %1 — chat for the local network, no server needed.</source>
        <translation>Версия %1 — чат для локальной сети, сервер не нужен.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>quorvelle::shell::TrayIcon</name>
    <message>
        <source>Quorvelle runs here. Right click this icon and choose &quot;Show&quot; to open its window, or press Ctrl+Alt+S.</source>
        <translation>Quorvelle работает здесь. Щёлкните этот значок правой кнопкой и выберите «Показать», чтобы открыть окно, или нажмите Ctrl+Alt+S.</translation>
    </message>
</context>
<context>
    <name>quorvelle::shell::UsersActions</name>
    <message>
        <source>Update UsersList by Timer</source>
        <translation>Обновление списка пользователей по таймеру</translation>
    </message>
    <message>
        <source>Interval in Seconds (0 - Disabled)</source>
        <translation>Интервал в секундах (0 — отключено)</translation>
    </message>
    <message>
        <source>Interval %1 Seconds...</source>
        <translation>Интервал: %1 с...</translation>
    </message>
</context>
<context>
    <name>quorvelle::shell::WindowLayout</name>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
</context>
<context>
    <name>quorvelle::shell::WindowPresence</name>
    <message>
        <source>Hide</source>
        <translation>Скрыть</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Показать</translation>
    </message>
    <message>
        <source>Hot Key for Popup</source>
        <translation>Горячая клавиша вызова</translation>
    </message>
    <message>
        <source>Enter hot Key:</source>
        <translation>Введите горячую клавишу:</translation>
    </message>
</context>
<context>
    <name>quorvelle::transfer::FileCommands</name>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message numerus="yes">
        <source>%n file transfer(s) are not finished; exiting ends them and removes their partial files. Exit anyway?</source>
        <translation>
            <numerusform>%n передача файла не завершена; выход прервёт её и удалит недополученный файл. Всё равно выйти?</numerusform>
            <numerusform>%n передачи файлов не завершены; выход прервёт их и удалит недополученные файлы. Всё равно выйти?</numerusform>
            <numerusform>%n передач файлов не завершено; выход прервёт их и удалит недополученные файлы. Всё равно выйти?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quorvelle::transfer::FilesQueueModel</name>
    <message>
        <source>FileName:</source>
        <translation>Имя файла:</translation>
    </message>
    <message>
        <source>NickName:</source>
        <translation>Ник:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Размер:</translation>
    </message>
    <message>
        <source>Send:</source>
        <translation>Отправлено:</translation>
    </message>
    <message>
        <source>Recv:</source>
        <translation>Получено:</translation>
    </message>
    <message>
        <source>CPS:</source>
        <translation>Скорость:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Время:</translation>
    </message>
    <message>
        <source>Status Message:</source>
        <translation>Состояние:</translation>
    </message>
</context>
<context>
    <name>quorvelle::transfer::TFQueueFm</name>
    <message>
        <source>Open Folder</source>
        <translation>Открыть папку</translation>
    </message>
    <message>
        <source>Files Queue</source>
        <translation>Очередь файлов</translation>
    </message>
    <message>
        <source>Add File to Queue</source>
        <translation>Добавить файл в очередь</translation>
    </message>
    <message>
        <source>Remove File from Queue</source>
        <translation>Удалить файл из очереди</translation>
    </message>
    <message>
        <source>Remove All Ok Files from Queue</source>
        <translation>Удалить из очереди все успешно переданные файлы</translation>
    </message>
    <message>
        <source>Start Send File</source>
        <translation>Начать отправку файла</translation>
    </message>
    <message>
        <source>Stop Send File</source>
        <translation>Остановить отправку файла</translation>
    </message>
    <message>
        <source>Show Grid Lines</source>
        <translation>Показывать линии сетки</translation>
    </message>
    <message>
        <source>Sending Files Queue</source>
        <translation>Очередь отправки</translation>
    </message>
    <message>
        <source>Open Received File</source>
        <translation>Открыть полученный файл</translation>
    </message>
    <message>
        <source>Remove Received File from Queue</source>
        <translation>Удалить полученный файл из очереди</translation>
    </message>
    <message>
        <source>Cancel Receive File</source>
        <translation>Отменить получение файла</translation>
    </message>
    <message>
        <source>Incomming Directory</source>
        <translation>Папка для входящих файлов</translation>
    </message>
    <message>
        <source>Change Incomming Directory</source>
        <translation>Сменить папку для входящих файлов</translation>
    </message>
    <message>
        <source>Receiving Files Queue</source>
        <translation>Очередь приёма</translation>
    </message>
    <message>
        <source>Select Directory for Save Incomming Files</source>
        <translation>Выбор папки для входящих файлов</translation>
    </message>
</context>
<context>
    <name>quorvelle::transfer::TOpenSendFileDialog</name>
    <message>
        <source>⚠ Arrives as %1: the code page %2 cannot carry %3.</source>
        <translation>⚠ Придёт под именем %1: в кодовой странице %2 нет символов %3.</translation>
    </message>
    <message>
        <source>Select File for Send to Users</source>
        <translation>Выбор файла для отправки пользователям</translation>
    </message>
    <message>
        <source>Any file (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>Users: %1</source>
        <translation>Пользователи: %1</translation>
    </message>
</context>
</TS>
