<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AppDelegate</name>
    <message>
        <source>Norrid runs in the tray, but this desktop shows none. On GNOME, turn on the AppIndicator extension; elsewhere, add a system tray or status notifier area to your panel.</source>
        <translation>Norrid se ejecuta en la bandeja del sistema, pero este escritorio no muestra ninguna. En GNOME, active la extensión AppIndicator; en otros escritorios, añada a su panel una bandeja del sistema o un área de notificaciones de estado.</translation>
    </message>
    <message>
        <source>Updates for Norrid come from your system&apos;s package manager.</source>
        <translation>Las actualizaciones de Norrid llegan a través del gestor de paquetes de su sistema.</translation>
    </message>
</context>
<context>
    <name>AppSettings</name>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 es una carpeta</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>No se puede leer %1</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 es de solo lectura</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>No se puede escribir en %1</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1.</source>
        <translation>No se pudo guardar la configuración: %1.</translation>
    </message>
</context>
<context>
    <name>AppcastParser</name>
    <message>
        <source>The update feed could not be read: %1 (line %2).</source>
        <translation>No se pudo leer el canal de actualizaciones: %1 (línea %2).</translation>
    </message>
    <message>
        <source>The update feed could not be read: it is empty.</source>
        <translation>No se pudo leer el canal de actualizaciones: está vacío.</translation>
    </message>
    <message>
        <source>The update feed could not be read: it is not an RSS feed.</source>
        <translation>No se pudo leer el canal de actualizaciones: no es un canal RSS.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>norrid: %1
Try &apos;norrid --help&apos;.</source>
        <translation>norrid: %1
Pruebe «norrid --help».</translation>
    </message>
    <message>
        <source>Norrid is not running.</source>
        <translation>Norrid no se está ejecutando.</translation>
    </message>
    <message>
        <source>Watches one column of a Jira board from the tray. Without a command, starts Norrid (or opens the popover of the Norrid that runs).</source>
        <translation>Vigila una columna de un tablero de Jira desde la bandeja del sistema. Sin un comando, inicia Norrid (o abre el panel del Norrid en ejecución).</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>Shows the version and the build number.</source>
        <translation>Muestra la versión y el número de compilación.</translation>
    </message>
    <message>
        <source>Starts as at login: opens nothing if Norrid runs already.</source>
        <translation>Se inicia como al iniciar sesión: no abre nada si Norrid ya se está ejecutando.</translation>
    </message>
    <message>
        <source>status: one JSON object.</source>
        <translation>status: un objeto JSON.</translation>
    </message>
    <message>
        <source>status: what waybar&apos;s custom module reads.</source>
        <translation>status: lo que lee el módulo personalizado de waybar.</translation>
    </message>
    <message>
        <source>status: a new line on every change, until Norrid quits.</source>
        <translation>status: una línea nueva con cada cambio, hasta que Norrid se cierre.</translation>
    </message>
    <message>
        <source>command</source>
        <translation>comando</translation>
    </message>
    <message>
        <source>status, refresh, popover (opens or closes it), settings, quit, or snooze 30m|1h|4h|tomorrow|off.</source>
        <translation>status, refresh, popover (lo abre o lo cierra), settings, quit o snooze 30m|1h|4h|tomorrow|off.</translation>
    </message>
    <message>
        <source>[command]</source>
        <translation>[comando]</translation>
    </message>
    <message>
        <source>Norrid %1 (build %2)</source>
        <translation>Norrid %1 (compilación %2)</translation>
    </message>
    <message>
        <source>snooze takes 30m, 1h, 4h, tomorrow or off</source>
        <translation>snooze admite 30m, 1h, 4h, tomorrow u off</translation>
    </message>
    <message>
        <source>one command at a time</source>
        <translation>un solo comando cada vez</translation>
    </message>
    <message>
        <source>--json, --waybar and --follow go with the status command</source>
        <translation>--json, --waybar y --follow van con el comando status</translation>
    </message>
    <message>
        <source>--json or --waybar, not both</source>
        <translation>--json o --waybar, no ambos</translation>
    </message>
    <message>
        <source>unknown command “%1”</source>
        <translation>comando desconocido «%1»</translation>
    </message>
</context>
<context>
    <name>ConnectionTest</name>
    <message numerus="yes">
        <source>%n in %1</source>
        <translation>
            <numerusform>%n en %1</numerusform>
            <numerusform>%n en %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>FeedUpdater</name>
    <message>
        <source>The update feed is larger than %1 KB, too large to be a feed; Norrid did not read it.</source>
        <translation>El canal de actualizaciones ocupa más de %1 KB, demasiado para ser un canal; Norrid no lo ha leído.</translation>
    </message>
    <message>
        <source>The update feed answered with HTTP %1 %2.</source>
        <translation>El canal de actualizaciones respondió con HTTP %1 %2.</translation>
    </message>
    <message numerus="yes">
        <source>The update feed did not answer within %n seconds.</source>
        <translation>
            <numerusform>El canal de actualizaciones no respondió en %n segundo.</numerusform>
            <numerusform>El canal de actualizaciones no respondió en %n segundos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Norrid could not reach the update feed: %1.</source>
        <translation>Norrid no pudo acceder al canal de actualizaciones: %1.</translation>
    </message>
</context>
<context>
    <name>FreedesktopNotificationCenter</name>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>InstallerHandoff</name>
    <message>
        <source>Your desktop has no application that installs Debian packages. The checked update is kept as %1. Install it from a terminal with: sudo apt install %1</source>
        <translation>Su escritorio no tiene ninguna aplicación que instale paquetes Debian. La actualización verificada se conserva en %1. Instálela desde una terminal con: sudo apt install %1</translation>
    </message>
    <message>
        <source>Your desktop has no application that installs this kind of file (%1). The checked update is kept as %2. Open it with your software installer.</source>
        <translation>Su escritorio no tiene ninguna aplicación que instale este tipo de archivo (%1). La actualización verificada se conserva en %2. Ábrala con su instalador de software.</translation>
    </message>
    <message>
        <source>Your software installer (%1) did not open the update. The checked update is kept as %2. Open it with your software installer.</source>
        <translation>Su instalador de software (%1) no abrió la actualización. La actualización verificada se conserva en %2. Ábrala con su instalador de software.</translation>
    </message>
</context>
<context>
    <name>IssueListModel</name>
    <message>
        <source>1 card</source>
        <translation>1 incidencia</translation>
    </message>
    <message numerus="yes">
        <source>%n cards</source>
        <translation>
            <numerusform>%n incidencia</numerusform>
            <numerusform>%n incidencias</numerusform>
        </translation>
    </message>
    <message>
        <source>No cards in this column.</source>
        <translation>No hay incidencias en esta columna.</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Cargando…</translation>
    </message>
    <message>
        <source>%1, %2, assigned to %3, updated %4</source>
        <comment>a card for screen readers: key, summary, assignee, age</comment>
        <translation>%1, %2, asignada a %3, actualizada %4</translation>
    </message>
    <message>
        <source>%1, %2, assigned to %3</source>
        <comment>a card for screen readers: key, summary, assignee</comment>
        <translation>%1, %2, asignada a %3</translation>
    </message>
    <message>
        <source>%1, %2, updated %3</source>
        <comment>a card for screen readers: key, summary, age</comment>
        <translation>%1, %2, actualizada %3</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a card for screen readers: key, summary</comment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>IssueRow</name>
    <message>
        <source>Opens the ticket in your browser</source>
        <translation>Abre la incidencia en su navegador</translation>
    </message>
</context>
<context>
    <name>JiraError</name>
    <message>
        <source>Jira rejected the email/token (%1). Check your API token.</source>
        <translation>Jira rechazó el correo electrónico o el token (%1). Compruebe su token de API.</translation>
    </message>
    <message>
        <source>Jira rejected the email/token. Check your API token.</source>
        <translation>Jira rechazó el correo electrónico o el token. Compruebe su token de API.</translation>
    </message>
    <message>
        <source>Jira rejected the user name/password (%1). Check them, or sign in with a personal access token: paste it as the token and leave the email empty.</source>
        <translation>Jira rechazó el nombre de usuario o la contraseña (%1). Compruébelos o inicie sesión con un token de acceso personal: péguelo como token y deje vacío el correo electrónico.</translation>
    </message>
    <message>
        <source>Jira rejected the user name/password. Check them, or sign in with a personal access token: paste it as the token and leave the email empty.</source>
        <translation>Jira rechazó el nombre de usuario o la contraseña. Compruébelos o inicie sesión con un token de acceso personal: péguelo como token y deje vacío el correo electrónico.</translation>
    </message>
    <message>
        <source>Jira rejected the personal access token (%1). Check that it is complete and has not expired or been revoked.</source>
        <translation>Jira rechazó el token de acceso personal (%1). Compruebe que esté completo y que no haya caducado ni se haya revocado.</translation>
    </message>
    <message>
        <source>Jira rejected the personal access token. Check that it is complete and has not expired or been revoked.</source>
        <translation>Jira rechazó el token de acceso personal. Compruebe que esté completo y que no haya caducado ni se haya revocado.</translation>
    </message>
    <message>
        <source>Jira returned HTTP 429. Too many requests: Jira is rate limiting this account and asks to wait 1 second.</source>
        <translation>Jira devolvió HTTP 429. Demasiadas solicitudes: Jira está limitando la frecuencia de esta cuenta y pide esperar 1 segundo.</translation>
    </message>
    <message numerus="yes">
        <source>Jira returned HTTP 429. Too many requests: Jira is rate limiting this account and asks to wait %n seconds.</source>
        <translation>
            <numerusform>Jira devolvió HTTP 429. Demasiadas solicitudes: Jira está limitando la frecuencia de esta cuenta y pide esperar %n segundo.</numerusform>
            <numerusform>Jira devolvió HTTP 429. Demasiadas solicitudes: Jira está limitando la frecuencia de esta cuenta y pide esperar %n segundos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Jira returned HTTP 404 for %1. Check the board ID. Self-hosted Jira sites often live under a path such as /jira: enter the address you open Jira at, such as %2.</source>
        <translation>Jira devolvió HTTP 404 para %1. Compruebe el ID del tablero. Los sitios de Jira autoalojados suelen estar bajo una ruta como /jira: introduzca la dirección en la que abre Jira, por ejemplo %2.</translation>
    </message>
    <message>
        <source>Jira Cloud signs in with the email of your Atlassian account and an API token: enter your email. Personal access tokens work on Jira Data Center only.</source>
        <translation>Jira Cloud inicia sesión con el correo electrónico de su cuenta de Atlassian y un token de API: introduzca su correo electrónico. Los tokens de acceso personal solo funcionan en Jira Data Center.</translation>
    </message>
    <message>
        <source>Jira returned HTTP 429. Too many requests: Jira is rate limiting this account for now. Norrid tries again at the next poll.</source>
        <translation>Jira devolvió HTTP 429. Demasiadas solicitudes: Jira está limitando por ahora la frecuencia de esta cuenta. Norrid lo volverá a intentar en la próxima consulta.</translation>
    </message>
    <message>
        <source>Jira returned HTTP %1.</source>
        <translation>Jira devolvió HTTP %1.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read Jira&apos;s response: %1</source>
        <translation>No se pudo leer la respuesta de Jira: %1</translation>
    </message>
    <message>
        <source>Not connected yet — add your email and API token.</source>
        <translation>Aún sin conexión: añada su correo electrónico y su token de API.</translation>
    </message>
    <message>
        <source>The Jira site URL looks invalid.</source>
        <translation>La URL del sitio de Jira no parece válida.</translation>
    </message>
    <message>
        <source>The Jira site URL looks invalid. %1</source>
        <translation>La URL del sitio de Jira no parece válida. %1</translation>
    </message>
    <message>
        <source>This Jira site accepts only personal access tokens: its administrator turned off sign-in with a user name and password. In Jira, open your profile, then Personal Access Tokens, create one, paste it as the token in the settings and leave the email empty.</source>
        <translation>Este sitio de Jira solo acepta tokens de acceso personal: su administrador desactivó el inicio de sesión con nombre de usuario y contraseña. En Jira, abra su perfil y luego «Tokens de acceso personal», cree uno, péguelo como token en la configuración y deje vacío el correo electrónico.</translation>
    </message>
    <message>
        <source>Jira wants you to sign in once in your browser: after several failed logins it asks for a CAPTCHA, which Norrid cannot answer. Sign in to Jira, then choose Refresh Now.</source>
        <translation>Jira quiere que inicie sesión una vez en su navegador: tras varios inicios de sesión fallidos pide un CAPTCHA, que Norrid no puede responder. Inicie sesión en Jira y luego elija «Actualizar ahora».</translation>
    </message>
</context>
<context>
    <name>JiraRequest</name>
    <message>
        <source>The request to Jira timed out.</source>
        <translation>La solicitud a Jira agotó el tiempo de espera.</translation>
    </message>
    <message>
        <source>The request to Jira was cancelled.</source>
        <translation>La solicitud a Jira se canceló.</translation>
    </message>
    <message>
        <source>The certificate of the Jira site is not trusted (%1). Norrid sends your credentials only to a site whose certificate your system trusts.</source>
        <translation>El certificado del sitio de Jira no es de confianza (%1). Norrid solo envía sus credenciales a un sitio cuyo certificado considere de confianza su sistema.</translation>
    </message>
    <message>
        <source>No HTTP response from Jira.</source>
        <translation>No hay respuesta HTTP de Jira.</translation>
    </message>
    <message>
        <source>Jira redirected the request to an address that is not secure (%1). Norrid sends your credentials over HTTPS only.</source>
        <translation>Jira redirigió la solicitud a una dirección que no es segura (%1). Norrid solo envía sus credenciales por HTTPS.</translation>
    </message>
    <message>
        <source>Jira redirected the request to another site (%1). If your Jira site has moved, enter its new address.</source>
        <translation>Jira redirigió la solicitud a otro sitio (%1). Si su sitio de Jira se ha trasladado, introduzca su nueva dirección.</translation>
    </message>
    <message>
        <source>Jira redirected the request too many times.</source>
        <translation>Jira redirigió la solicitud demasiadas veces.</translation>
    </message>
</context>
<context>
    <name>JiraSite</name>
    <message>
        <source>Norrid connects only to an https:// address, such as https://your-team.atlassian.net.</source>
        <translation>Norrid solo se conecta a una dirección https://, por ejemplo https://your-team.atlassian.net.</translation>
    </message>
    <message>
        <source>It holds a user name or an “@” before the host; enter only the site&apos;s address, such as https://your-team.atlassian.net.</source>
        <translation>Contiene un nombre de usuario o una «@» antes del host; introduzca solo la dirección del sitio, por ejemplo https://your-team.atlassian.net.</translation>
    </message>
    <message>
        <source>It names no host; enter the site&apos;s address, such as https://your-team.atlassian.net.</source>
        <translation>No indica ningún host; introduzca la dirección del sitio, por ejemplo https://your-team.atlassian.net.</translation>
    </message>
</context>
<context>
    <name>KeyringText</name>
    <message>
        <source>Keyring locked</source>
        <translation>Llavero bloqueado</translation>
    </message>
    <message>
        <source>Your keyring is locked, so the Jira API token cannot be read. Once the keyring is unlocked, Norrid connects again without asking for the token.</source>
        <translation>Su llavero está bloqueado, así que no se puede leer el token de API de Jira. Cuando se desbloquee el llavero, Norrid volverá a conectarse sin pedir el token.</translation>
    </message>
    <message>
        <source>Your keyring is locked, so the Jira API token is not stored yet. Norrid keeps it in memory and stores it once the keyring is unlocked.</source>
        <translation>Su llavero está bloqueado, así que el token de API de Jira aún no está guardado. Norrid lo mantiene en memoria y lo guardará cuando se desbloquee el llavero.</translation>
    </message>
    <message>
        <source>Your keyring is locked, so the old Jira API token is still stored. Norrid deletes it once the keyring is unlocked.</source>
        <translation>Su llavero está bloqueado, así que el token de API de Jira antiguo sigue guardado. Norrid lo eliminará cuando se desbloquee el llavero.</translation>
    </message>
    <message>
        <source>keyring locked; connects once the keyring is unlocked</source>
        <translation>llavero bloqueado; se conectará cuando se desbloquee el llavero</translation>
    </message>
    <message>
        <source>keyring locked; stores the token once the keyring is unlocked</source>
        <translation>llavero bloqueado; guardará el token cuando se desbloquee el llavero</translation>
    </message>
    <message>
        <source>keyring locked; deletes the old token once the keyring is unlocked</source>
        <translation>llavero bloqueado; eliminará el token antiguo cuando se desbloquee el llavero</translation>
    </message>
    <message>
        <source>No keyring</source>
        <translation>Sin llavero</translation>
    </message>
    <message>
        <source>This desktop runs no keyring (a Secret Service such as GNOME Keyring or KWallet), so the Jira API token cannot be read. Once a keyring runs, Norrid connects again without asking for the token.</source>
        <translation>Este escritorio no ejecuta ningún llavero (un Secret Service como GNOME Keyring o KWallet), así que no se puede leer el token de API de Jira. Cuando haya un llavero en ejecución, Norrid volverá a conectarse sin pedir el token.</translation>
    </message>
    <message>
        <source>This desktop runs no keyring (a Secret Service such as GNOME Keyring or KWallet), so the Jira API token is not stored yet. Norrid keeps it in memory and stores it once a keyring runs.</source>
        <translation>Este escritorio no ejecuta ningún llavero (un Secret Service como GNOME Keyring o KWallet), así que el token de API de Jira aún no está guardado. Norrid lo mantiene en memoria y lo guardará cuando haya un llavero en ejecución.</translation>
    </message>
    <message>
        <source>This desktop runs no keyring (a Secret Service such as GNOME Keyring or KWallet), so the old Jira API token is still stored. Norrid deletes it once a keyring runs.</source>
        <translation>Este escritorio no ejecuta ningún llavero (un Secret Service como GNOME Keyring o KWallet), así que el token de API de Jira antiguo sigue guardado. Norrid lo eliminará cuando haya un llavero en ejecución.</translation>
    </message>
    <message>
        <source>no keyring; connects once a keyring runs</source>
        <translation>sin llavero; se conectará cuando haya un llavero en ejecución</translation>
    </message>
    <message>
        <source>no keyring; stores the token once a keyring runs</source>
        <translation>sin llavero; guardará el token cuando haya un llavero en ejecución</translation>
    </message>
    <message>
        <source>no keyring; deletes the old token once a keyring runs</source>
        <translation>sin llavero; eliminará el token antiguo cuando haya un llavero en ejecución</translation>
    </message>
    <message>
        <source>Keyring not reachable</source>
        <translation>Llavero no disponible</translation>
    </message>
    <message>
        <source>Norrid cannot reach your system keyring, so the Jira API token cannot be read. Once the keyring answers, Norrid connects again without asking for the token.</source>
        <translation>Norrid no puede acceder al llavero de su sistema, así que no se puede leer el token de API de Jira. Cuando el llavero responda, Norrid volverá a conectarse sin pedir el token.</translation>
    </message>
    <message>
        <source>Norrid cannot reach your system keyring, so the Jira API token is not stored yet. Norrid keeps it in memory and stores it once the keyring answers.</source>
        <translation>Norrid no puede acceder al llavero de su sistema, así que el token de API de Jira aún no está guardado. Norrid lo mantiene en memoria y lo guardará cuando el llavero responda.</translation>
    </message>
    <message>
        <source>Norrid cannot reach your system keyring, so the old Jira API token is still stored. Norrid deletes it once the keyring answers.</source>
        <translation>Norrid no puede acceder al llavero de su sistema, así que el token de API de Jira antiguo sigue guardado. Norrid lo eliminará cuando el llavero responda.</translation>
    </message>
    <message>
        <source>keyring not reachable; connects once the keyring answers</source>
        <translation>llavero no disponible; se conectará cuando el llavero responda</translation>
    </message>
    <message>
        <source>keyring not reachable; stores the token once the keyring answers</source>
        <translation>llavero no disponible; guardará el token cuando el llavero responda</translation>
    </message>
    <message>
        <source>keyring not reachable; deletes the old token once the keyring answers</source>
        <translation>llavero no disponible; eliminará el token antiguo cuando el llavero responda</translation>
    </message>
</context>
<context>
    <name>MessageView</name>
    <message>
        <source>Open Settings</source>
        <translation>Abrir la configuración</translation>
    </message>
</context>
<context>
    <name>NotificationManager</name>
    <message>
        <source>Ready for review</source>
        <translation>Listo para revisión</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message numerus="yes">
        <source>%n cards ready for review</source>
        <translation>
            <numerusform>%n incidencia lista para revisión</numerusform>
            <numerusform>%n incidencias listas para revisión</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Board</source>
        <translation>Abrir tablero</translation>
    </message>
    <message>
        <source>CLS-0000 · Test Ping</source>
        <translation>CLS-0000 · Aviso de prueba</translation>
    </message>
    <message>
        <source>This is how a new review card will look and sound.</source>
        <translation>Así se verá y sonará una nueva incidencia para revisar.</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Actualización disponible</translation>
    </message>
    <message>
        <source>Norrid %1 is ready to install. Click to update.</source>
        <translation>Norrid %1 está listo para instalarse. Haga clic para actualizar.</translation>
    </message>
    <message>
        <source>Norrid has no tray</source>
        <translation>Norrid no tiene bandeja del sistema</translation>
    </message>
    <message>
        <source>Ready for review in %1</source>
        <translation>Listo para revisión en %1</translation>
    </message>
    <message numerus="yes">
        <source>%n cards ready for review in %1</source>
        <translation>
            <numerusform>%n incidencia lista para revisión en %1</numerusform>
            <numerusform>%n incidencias listas para revisión en %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PauseNote</name>
    <message>
        <source>Checking is paused: Norrid tries again at %1, or as soon as you choose Refresh Now after signing in.</source>
        <translation>La comprobación está en pausa: Norrid lo volverá a intentar a las %1, o en cuanto elija «Actualizar ahora» después de iniciar sesión.</translation>
    </message>
    <message>
        <source>Checking is paused: Norrid tries again at %1, or as soon as the email or token changes.</source>
        <translation>La comprobación está en pausa: Norrid lo volverá a intentar a las %1, o en cuanto cambie el correo electrónico o el token.</translation>
    </message>
    <message>
        <source>Checking is paused: Norrid tries again at %1, or as soon as the user name or password changes.</source>
        <translation>La comprobación está en pausa: Norrid lo volverá a intentar a las %1, o en cuanto cambie el nombre de usuario o la contraseña.</translation>
    </message>
    <message>
        <source>Checking is paused: Norrid tries again at %1, or as soon as the token changes. Personal access tokens expire; if yours has, create a new one.</source>
        <translation>La comprobación está en pausa: Norrid lo volverá a intentar a las %1, o en cuanto cambie el token. Los tokens de acceso personal caducan; si el suyo ha caducado, cree uno nuevo.</translation>
    </message>
    <message>
        <source>Checking is paused: Norrid tries again at %1, or as soon as the email or token changes. API tokens expire; if yours has, create a new one.</source>
        <translation>La comprobación está en pausa: Norrid lo volverá a intentar a las %1, o en cuanto cambie el correo electrónico o el token. Los tokens de API caducan; si el suyo ha caducado, cree uno nuevo.</translation>
    </message>
</context>
<context>
    <name>PopoverContent</name>
    <message numerus="yes">
        <source>%n cards to review</source>
        <translation>
            <numerusform>%n incidencia por revisar</numerusform>
            <numerusform>%n incidencias por revisar</numerusform>
        </translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Sin conexión</translation>
    </message>
    <message>
        <source>Connection problem</source>
        <translation>Problema de conexión</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>Actualizado %1</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Cargando…</translation>
    </message>
    <message>
        <source>Connect to Jira</source>
        <translation>Conectar con Jira</translation>
    </message>
    <message>
        <source>Add your Jira email and API token to start watching the To review column.</source>
        <translation>Añada su correo electrónico de Jira y su token de API para empezar a vigilar la columna «Por revisar».</translation>
    </message>
    <message>
        <source>Version %1 is available</source>
        <translation>La versión %1 está disponible</translation>
    </message>
    <message>
        <source>Download and install Norrid %1</source>
        <translation>Descargar e instalar Norrid %1</translation>
    </message>
    <message>
        <source>Norrid %1 is available. Install the update.</source>
        <translation>Norrid %1 está disponible. Instale la actualización.</translation>
    </message>
</context>
<context>
    <name>PopoverView</name>
    <message>
        <source>To review</source>
        <translation>Por revisar</translation>
    </message>
    <message>
        <source>Open the board in your browser</source>
        <translation>Abrir el tablero en su navegador</translation>
    </message>
    <message>
        <source>Open board in browser</source>
        <translation>Abrir el tablero en el navegador</translation>
    </message>
    <message>
        <source>Refresh now</source>
        <translation>Actualizar ahora</translation>
    </message>
    <message>
        <source>Nothing to review</source>
        <translation>Nada por revisar</translation>
    </message>
    <message>
        <source>You&apos;re all caught up.
New cards in To review show up here and notify you.</source>
        <translation>Está al día.
Las nuevas incidencias de «Por revisar» aparecen aquí y se le notifican.</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach Jira</source>
        <translation>No se pudo conectar con Jira</translation>
    </message>
    <message>
        <source>Sign In to Jira…</source>
        <translation>Iniciar sesión en Jira…</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Abrir la configuración</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Cargando…</translation>
    </message>
    <message>
        <source>Install…</source>
        <translation>Instalar…</translation>
    </message>
    <message>
        <source>Notifications are off for Norrid</source>
        <translation>Las notificaciones de Norrid están desactivadas</translation>
    </message>
    <message>
        <source>Enable…</source>
        <translation>Activar…</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s notification settings</source>
        <translation>Abrir la configuración de notificaciones del escritorio</translation>
    </message>
    <message>
        <source>Notifications are off for Norrid. Enable them in your desktop&apos;s settings to get pinged about new cards.</source>
        <translation>Las notificaciones de Norrid están desactivadas. Actívelas en la configuración de su escritorio para recibir avisos de nuevas incidencias.</translation>
    </message>
    <message>
        <source>Sign In…</source>
        <translation>Iniciar sesión…</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Configuración…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Quit Norrid</source>
        <translation>Salir de Norrid</translation>
    </message>
</context>
<context>
    <name>QuickFilterChoice</name>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>This board has no quick filters.</source>
        <translation>Este tablero no tiene filtros rápidos.</translation>
    </message>
</context>
<context>
    <name>QuickScene</name>
    <message>
        <source>Norrid cannot open its window because a part of the application is missing or damaged. Reinstall Norrid.

%1</source>
        <translation>Norrid no puede abrir su ventana porque falta una parte de la aplicación o está dañada. Vuelva a instalar Norrid.

%1</translation>
    </message>
</context>
<context>
    <name>RelativeTime</name>
    <message numerus="yes">
        <source>%Ln min. ago</source>
        <translation>
            <numerusform>hace %Ln min</numerusform>
            <numerusform>hace %Ln min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln min.</source>
        <translation>
            <numerusform>dentro de %Ln min</numerusform>
            <numerusform>dentro de %Ln min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln hr. ago</source>
        <translation>
            <numerusform>hace %Ln h</numerusform>
            <numerusform>hace %Ln h</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln hr.</source>
        <translation>
            <numerusform>dentro de %Ln h</numerusform>
            <numerusform>dentro de %Ln h</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days ago</source>
        <translation>
            <numerusform>hace %Ln día</numerusform>
            <numerusform>hace %Ln días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day ago</source>
        <translation>
            <numerusform>hace %Ln día</numerusform>
            <numerusform>hace %Ln días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln days</source>
        <translation>
            <numerusform>dentro de %Ln día</numerusform>
            <numerusform>dentro de %Ln días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln day</source>
        <translation>
            <numerusform>dentro de %Ln día</numerusform>
            <numerusform>dentro de %Ln días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln wk. ago</source>
        <translation>
            <numerusform>hace %Ln sem.</numerusform>
            <numerusform>hace %Ln sem.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln wk.</source>
        <translation>
            <numerusform>dentro de %Ln sem.</numerusform>
            <numerusform>dentro de %Ln sem.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln mo. ago</source>
        <translation>
            <numerusform>hace %Ln mes</numerusform>
            <numerusform>hace %Ln meses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln mo.</source>
        <translation>
            <numerusform>dentro de %Ln mes</numerusform>
            <numerusform>dentro de %Ln meses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln yr. ago</source>
        <translation>
            <numerusform>hace %Ln año</numerusform>
            <numerusform>hace %Ln años</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln yr.</source>
        <translation>
            <numerusform>dentro de %Ln año</numerusform>
            <numerusform>dentro de %Ln años</numerusform>
        </translation>
    </message>
    <message>
        <source>just now</source>
        <translation>ahora mismo</translation>
    </message>
</context>
<context>
    <name>ReviewMonitor</name>
    <message>
        <source>This column needs a board and a status. Add them in Settings.</source>
        <translation>Esta columna necesita un tablero y un estado. Añádalos en la configuración.</translation>
    </message>
    <message>
        <source>%1 Norrid tries again at %2.</source>
        <translation>%1 Norrid lo volverá a intentar a las %2.</translation>
    </message>
</context>
<context>
    <name>SettingsDraft</name>
    <message>
        <source>Norrid could not set itself to start at login.</source>
        <translation>Norrid no pudo configurarse para iniciarse al iniciar sesión.</translation>
    </message>
    <message>
        <source>Norrid could not stop starting at login.</source>
        <translation>Norrid no pudo dejar de iniciarse al iniciar sesión.</translation>
    </message>
</context>
<context>
    <name>SettingsForm</name>
    <message>
        <source>Filled in from the board address you pasted.</source>
        <translation>Tomado de la dirección del tablero que pegó.</translation>
    </message>
    <message>
        <source>New column</source>
        <translation>Nueva columna</translation>
    </message>
    <message>
        <source>Connected to %1 — %2</source>
        <translation>Conectado a %1: %2</translation>
    </message>
    <message>
        <source>Connected — %1</source>
        <translation>Conectado: %1</translation>
    </message>
    <message numerus="yes">
        <source>Connected to %1 — %n in %2</source>
        <translation>
            <numerusform>Conectado a %1: %n en %2</numerusform>
            <numerusform>Conectado a %1: %n en %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Connected — %n in %1</source>
        <translation>
            <numerusform>Conectado: %n en %1</numerusform>
            <numerusform>Conectado: %n en %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 segundos</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuto</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <translation>2 minutos</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minutos</translation>
    </message>
    <message>
        <source>Create a personal access token…</source>
        <translation>Crear un token de acceso personal…</translation>
    </message>
    <message>
        <source>Create an API token…</source>
        <translation>Crear un token de API…</translation>
    </message>
    <message>
        <source>Norrid reads Jira at %1.</source>
        <translation>Norrid lee Jira en %1.</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Jira connection</source>
        <translation>Conexión con Jira</translation>
    </message>
    <message>
        <source>Site URL</source>
        <translation>URL del sitio</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>you@company.com</source>
        <translation>usted@empresa.com</translation>
    </message>
    <message>
        <source>On Jira Data Center, your user name — or leave it empty to sign in with a personal access token.</source>
        <translation>En Jira Data Center, su nombre de usuario; o déjelo vacío para iniciar sesión con un token de acceso personal.</translation>
    </message>
    <message>
        <source>API token</source>
        <translation>Token de API</translation>
    </message>
    <message>
        <source>Paste your API token or personal access token</source>
        <translation>Pegue su token de API o su token de acceso personal</translation>
    </message>
    <message>
        <source>An API token for Jira Cloud, or a personal access token for Jira Data Center.</source>
        <translation>Un token de API para Jira Cloud o un token de acceso personal para Jira Data Center.</translation>
    </message>
    <message>
        <source>Stored in your system keyring — never in plain text.</source>
        <translation>Se guarda en el llavero del sistema, nunca como texto sin cifrar.</translation>
    </message>
    <message>
        <source>What to watch</source>
        <translation>Qué vigilar</translation>
    </message>
    <message>
        <source>Watched columns</source>
        <translation>Columnas vigiladas</translation>
    </message>
    <message>
        <source>Board ID</source>
        <translation>ID del tablero</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>To review</source>
        <translation>Por revisar</translation>
    </message>
    <message>
        <source>Team quick filter</source>
        <translation>Filtro rápido</translation>
    </message>
    <message>
        <source>The quick-filter chips from the top of your board. Picking one applies the same filtering the web board does.</source>
        <translation>Los filtros rápidos de la parte superior de su tablero. Al elegir uno se aplica el mismo filtrado que en el tablero web.</translation>
    </message>
    <message>
        <source>Load team filters from board</source>
        <translation>Cargar los filtros de equipo del tablero</translation>
    </message>
    <message>
        <source>Team filter (JQL)</source>
        <translation>Filtro de equipo</translation>
    </message>
    <message>
        <source>optional, e.g. labels = team-f</source>
        <translation>opcional, p. ej. labels = team-f</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>optional, shown instead of the status</source>
        <translation>opcional, se muestra en lugar del estado</translation>
    </message>
    <message>
        <source>Column name</source>
        <translation>Nombre de la columna</translation>
    </message>
    <message>
        <source>Status is the exact Jira status behind your column. The team filter narrows a shared board to your team — pick a quick filter above to fill it automatically, or write your own JQL.</source>
        <translation>El estado es el estado exacto de Jira detrás de su columna. El filtro de equipo limita un tablero compartido a su equipo: elija arriba un filtro rápido para rellenarlo automáticamente o escriba su propia JQL.</translation>
    </message>
    <message>
        <source>Add Column</source>
        <translation>Añadir columna</translation>
    </message>
    <message>
        <source>Watch another status or board on the same connection (up to 8 columns).</source>
        <translation>Vigilar otro estado o tablero con la misma conexión (hasta 8 columnas).</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Notificaciones</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Notification sound</source>
        <translation>Sonido de notificación</translation>
    </message>
    <message>
        <source>Send test notification</source>
        <translation>Enviar notificación de prueba</translation>
    </message>
    <message>
        <source>Posts a sample banner with the selected sound so you can preview it.</source>
        <translation>Muestra una notificación de ejemplo con el sonido elegido para que pueda probarlo.</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Check every</source>
        <translation>Comprobar cada</translation>
    </message>
    <message>
        <source>Check interval</source>
        <translation>Intervalo de comprobación</translation>
    </message>
    <message>
        <source>Tray icon</source>
        <translation>Icono</translation>
    </message>
    <message>
        <source>Light suits a dark panel, Dark a light one. Automatic follows the desktop&apos;s colour scheme.</source>
        <translation>Claro va bien con un panel oscuro y Oscuro con uno claro. Automático sigue el esquema de colores del escritorio.</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Iniciar al iniciar sesión</translation>
    </message>
    <message>
        <source>Start Norrid automatically when you log in.</source>
        <translation>Iniciar Norrid automáticamente al iniciar sesión.</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Actualizaciones</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Buscar actualizaciones automáticamente</translation>
    </message>
    <message>
        <source>Looks for a new version once a day. You get a notification and a banner in the app when one is ready.</source>
        <translation>Busca una versión nueva una vez al día. Cuando hay una lista, recibe una notificación y un aviso en la aplicación.</translation>
    </message>
    <message>
        <source>Check for Updates Now</source>
        <translation>Buscar actualizaciones ahora</translation>
    </message>
    <message>
        <source>Contacts the update feed and offers any newer version right away.</source>
        <translation>Consulta el canal de actualizaciones y ofrece enseguida cualquier versión más reciente.</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Copiar diagnóstico</translation>
    </message>
    <message>
        <source>Copies what a bug report needs: versions, the desktop, the tray, the keyring and the last poll. Never the token, the email or a card&apos;s text.</source>
        <translation>Copia lo que necesita un informe de errores: versiones, escritorio, bandeja del sistema, llavero y la última consulta. Nunca el token, el correo electrónico ni el texto de una incidencia.</translation>
    </message>
    <message>
        <source>Test connection</source>
        <translation>Probar la conexión</translation>
    </message>
    <message>
        <source>Sign In…</source>
        <translation>Iniciar sesión…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>SettingsWindowController</name>
    <message>
        <source>Norrid Settings</source>
        <translation>Configuración de Norrid</translation>
    </message>
</context>
<context>
    <name>StateReport</name>
    <message>
        <source>1 card</source>
        <translation>1 incidencia</translation>
    </message>
    <message numerus="yes">
        <source>%n cards</source>
        <translation>
            <numerusform>%n incidencia</numerusform>
            <numerusform>%n incidencias</numerusform>
        </translation>
    </message>
    <message>
        <source>1 card in %1</source>
        <translation>1 incidencia en %1</translation>
    </message>
    <message numerus="yes">
        <source>%n cards in %1</source>
        <translation>
            <numerusform>%n incidencia en %1</numerusform>
            <numerusform>%n incidencias en %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Loading the cards in %1…</source>
        <translation>Cargando las incidencias de %1…</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 (notifications snoozed until %2)</source>
        <translation>%1 (notificaciones pospuestas hasta %2)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>y %n más</numerusform>
            <numerusform>y %n más</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusPresentation</name>
    <message>
        <source>Norrid — update available</source>
        <translation>Norrid: actualización disponible</translation>
    </message>
    <message>
        <source>Norrid — %1</source>
        <translation>Norrid: %1</translation>
    </message>
    <message>
        <source>Norrid — needs setup</source>
        <translation>Norrid: requiere configuración</translation>
    </message>
    <message>
        <source>Norrid — cards in %1</source>
        <translation>Norrid: incidencias en %1</translation>
    </message>
    <message numerus="yes">
        <source>%n cards to review</source>
        <translation>
            <numerusform>%n incidencia por revisar</numerusform>
            <numerusform>%n incidencias por revisar</numerusform>
        </translation>
    </message>
    <message>
        <source>Notifications snoozed until %1</source>
        <translation>Notificaciones pospuestas hasta %1</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Show Cards</source>
        <translation>Mostrar incidencias</translation>
    </message>
    <message>
        <source>Refresh Now</source>
        <translation>Actualizar ahora</translation>
    </message>
    <message>
        <source>Open Board in Browser</source>
        <translation>Abrir tablero en el navegador</translation>
    </message>
    <message>
        <source>Snooze Notifications</source>
        <translation>Posponer notificaciones</translation>
    </message>
    <message>
        <source>30 Minutes</source>
        <translation>30 minutos</translation>
    </message>
    <message>
        <source>1 Hour</source>
        <translation>1 hora</translation>
    </message>
    <message>
        <source>4 Hours</source>
        <translation>4 horas</translation>
    </message>
    <message>
        <source>Until Tomorrow</source>
        <translation>Hasta mañana</translation>
    </message>
    <message>
        <source>Resume Notifications</source>
        <translation>Reanudar notificaciones</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Configuración…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Buscar actualizaciones…</translation>
    </message>
    <message>
        <source>Quit Norrid</source>
        <translation>Salir de Norrid</translation>
    </message>
</context>
<context>
    <name>UpdateDownloader</name>
    <message>
        <source>The download was redirected to %1, which is not a secure https link, so Norrid stopped it.</source>
        <translation>La descarga se redirigió a %1, que no es un enlace https seguro, así que Norrid la detuvo.</translation>
    </message>
    <message>
        <source>The update&apos;s address (%1) is not a secure https link, so Norrid did not download it.</source>
        <translation>La dirección de la actualización (%1) no es un enlace https seguro, así que Norrid no la descargó.</translation>
    </message>
    <message>
        <source>Norrid could not save the update in %1: %2.</source>
        <translation>Norrid no pudo guardar la actualización en %1: %2.</translation>
    </message>
    <message>
        <source>The download&apos;s size differs from what the update feed announced (%1 bytes instead of %2), so Norrid stopped it.</source>
        <translation>El tamaño de la descarga no coincide con el que anunció el canal de actualizaciones (%1 bytes en lugar de %2), así que Norrid la detuvo.</translation>
    </message>
    <message>
        <source>The download is larger than the %1 MB the update feed announced, so Norrid stopped it.</source>
        <translation>La descarga ocupa más de los %1 MB que anunció el canal de actualizaciones, así que Norrid la detuvo.</translation>
    </message>
    <message>
        <source>The download is larger than %1 MB, so Norrid stopped it.</source>
        <translation>La descarga ocupa más de %1 MB, así que Norrid la detuvo.</translation>
    </message>
    <message>
        <source>Norrid could not save the update: %1.</source>
        <translation>Norrid no pudo guardar la actualización: %1.</translation>
    </message>
    <message>
        <source>The download server answered with HTTP %1 %2.</source>
        <translation>El servidor de descarga respondió con HTTP %1 %2.</translation>
    </message>
    <message numerus="yes">
        <source>The download server stopped answering for %n seconds.</source>
        <translation>
            <numerusform>El servidor de descarga dejó de responder durante %n segundo.</numerusform>
            <numerusform>El servidor de descarga dejó de responder durante %n segundos.</numerusform>
        </translation>
    </message>
    <message>
        <source>The download broke off: %1.</source>
        <translation>La descarga se interrumpió: %1.</translation>
    </message>
    <message>
        <source>The download is incomplete: %1 of the %2 bytes the update feed announced arrived.</source>
        <translation>La descarga está incompleta: llegaron %1 de los %2 bytes que anunció el canal de actualizaciones.</translation>
    </message>
</context>
<context>
    <name>UpdateInstaller</name>
    <message>
        <source>The update feed gives no signature for this download, so Norrid cannot tell whether it really comes from Norrid&apos;s publisher, and did not download it.</source>
        <translation>El canal de actualizaciones no da ninguna firma para esta descarga, así que Norrid no puede saber si procede realmente del editor de Norrid y no la descargó.</translation>
    </message>
    <message>
        <source>Norrid could not create its download folder %1.</source>
        <translation>Norrid no pudo crear su carpeta de descargas %1.</translation>
    </message>
    <message>
        <source>The download does not carry the signature of Norrid&apos;s publisher: it was damaged or altered on the way, or signed by someone else. Norrid deleted it and installed nothing.</source>
        <translation>La descarga no lleva la firma del editor de Norrid: se dañó o se alteró por el camino, o la firmó otra persona. Norrid la eliminó y no instaló nada.</translation>
    </message>
    <message>
        <source>The update feed&apos;s signature for this download is damaged, so Norrid cannot check it. Norrid deleted the download and installed nothing.</source>
        <translation>La firma del canal de actualizaciones para esta descarga está dañada, así que Norrid no puede comprobarla. Norrid eliminó la descarga y no instaló nada.</translation>
    </message>
    <message>
        <source>This copy of Norrid has a damaged key for checking updates, so it cannot install them. Install the new version from Norrid&apos;s website instead.</source>
        <translation>Esta copia de Norrid tiene dañada la clave para comprobar actualizaciones, así que no puede instalarlas. Instale la nueva versión desde el sitio web de Norrid.</translation>
    </message>
    <message>
        <source>Norrid could not read the download back to check it.</source>
        <translation>Norrid no pudo volver a leer la descarga para comprobarla.</translation>
    </message>
    <message>
        <source>Norrid could not save the update as %1.</source>
        <translation>Norrid no pudo guardar la actualización como %1.</translation>
    </message>
    <message>
        <source>The download is not a Debian package Norrid can read. Norrid deleted it and installed nothing.</source>
        <translation>La descarga no es un paquete Debian que Norrid pueda leer. Norrid la eliminó y no instaló nada.</translation>
    </message>
    <message>
        <source>The package holds version %1, not the %2 that the update feed announced. Norrid deleted it and installed nothing.</source>
        <translation>El paquete contiene la versión %1, no la %2 que anunció el canal de actualizaciones. Norrid lo eliminó y no instaló nada.</translation>
    </message>
    <message>
        <source>The package holds version %1, which is not newer than this Norrid (%2): installing it would take Norrid back. Norrid deleted it and installed nothing.</source>
        <translation>El paquete contiene la versión %1, que no es más reciente que este Norrid (%2): instalarla haría retroceder Norrid. Norrid lo eliminó y no instaló nada.</translation>
    </message>
    <message>
        <source>Norrid %1 was not installed. %2</source>
        <translation>Norrid %1 no se instaló. %2</translation>
    </message>
</context>
<context>
    <name>UpdateSession</name>
    <message>
        <source>The update feed gives no download link for Norrid %1.</source>
        <translation>El canal de actualizaciones no da ningún enlace de descarga para Norrid %1.</translation>
    </message>
    <message>
        <source>Norrid did not open the download of version %1: its address (%2) is not a secure https link.</source>
        <translation>Norrid no abrió la descarga de la versión %1: su dirección (%2) no es un enlace https seguro.</translation>
    </message>
    <message>
        <source>Norrid could not open %1 in your browser.</source>
        <translation>Norrid no pudo abrir %1 en su navegador.</translation>
    </message>
</context>
<context>
    <name>UpdateWindow</name>
    <message>
        <source>Release notes ↗</source>
        <translation>Notas de la versión ↗</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Omitir esta versión</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Recordármelo más tarde</translation>
    </message>
    <message>
        <source>Learn More…</source>
        <translation>Más información…</translation>
    </message>
    <message>
        <source>Install Update</source>
        <translation>Instalar actualización</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>UpdateWindowController</name>
    <message>
        <source>Norrid %1 was downloaded and its signature checked, and your software installer has opened it: finish the installation there, then start Norrid again. The checked update is kept as %2.</source>
        <translation>Norrid %1 se descargó y se comprobó su firma, y su instalador de software lo abrió: termine allí la instalación y luego vuelva a iniciar Norrid. La actualización verificada se conserva en %2.</translation>
    </message>
    <message>
        <source>Norrid %1 was downloaded and its signature checked, and %2 has opened it: finish the installation there, then start Norrid again. The checked update is kept as %3.</source>
        <translation>Norrid %1 se descargó y se comprobó su firma, y %2 lo abrió: termine allí la instalación y luego vuelva a iniciar Norrid. La actualización verificada se conserva en %3.</translation>
    </message>
    <message>
        <source>%1 of %2 MB</source>
        <translation>%1 de %2 MB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Buscando actualizaciones…</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>¡Está al día!</translation>
    </message>
    <message>
        <source>A new version of Norrid is available!</source>
        <translation>¡Hay una nueva versión de Norrid disponible!</translation>
    </message>
    <message>
        <source>Downloading update…</source>
        <translation>Descargando la actualización…</translation>
    </message>
    <message>
        <source>Ready to Install</source>
        <translation>Listo para instalar</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>¡Error de actualización!</translation>
    </message>
    <message>
        <source>Norrid %1 is currently the newest version available.</source>
        <translation>Norrid %1 es actualmente la versión más reciente disponible.</translation>
    </message>
    <message>
        <source>Norrid %1 is now available — you have %2. Would you like to learn more about this update on the web?</source>
        <translation>Norrid %1 ya está disponible; usted tiene la %2. ¿Quiere obtener más información sobre esta actualización en la web?</translation>
    </message>
    <message>
        <source>Norrid %1 is now available — you have %2. Would you like to install it now?</source>
        <translation>Norrid %1 ya está disponible; usted tiene la %2. ¿Quiere instalarlo ahora?</translation>
    </message>
    <message>
        <source>Norrid %1 is now available — you have %2. Would you like to download it now?</source>
        <translation>Norrid %1 ya está disponible; usted tiene la %2. ¿Quiere descargarlo ahora?</translation>
    </message>
    <message>
        <source>Norrid %1 is being downloaded. Its signature is checked before it is installed.</source>
        <translation>Norrid %1 se está descargando. Su firma se comprueba antes de instalarlo.</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Actualización de software</translation>
    </message>
</context>
<context>
    <name>WatchSummary</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: 1 card</source>
        <translation>%1: 1 incidencia</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n cards</source>
        <translation>
            <numerusform>%1: %n incidencia</numerusform>
            <numerusform>%1: %n incidencias</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: loading…</source>
        <translation>%1: cargando…</translation>
    </message>
</context>
</TS>
