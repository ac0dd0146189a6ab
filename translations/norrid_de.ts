<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AppDelegate</name>
    <message>
        <source>Norrid runs in the tray, but this desktop shows none. On GNOME, turn on the AppIndicator extension; elsewhere, add a system tray or status notifier area to your panel.</source>
        <translation>Norrid läuft im Infobereich, aber dieser Desktop zeigt keinen an. Schalten Sie unter GNOME die Erweiterung AppIndicator ein; fügen Sie andernorts Ihrer Leiste einen Infobereich (System Tray oder Status Notifier) hinzu.</translation>
    </message>
    <message>
        <source>Updates for Norrid come from your system&apos;s package manager.</source>
        <translation>Updates für Norrid kommen über die Paketverwaltung Ihres Systems.</translation>
    </message>
</context>
<context>
    <name>AppSettings</name>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 ist ein Ordner</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 ist schreibgeschützt</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden: %1.</translation>
    </message>
</context>
<context>
    <name>AppcastParser</name>
    <message>
        <source>The update feed could not be read: %1 (line %2).</source>
        <translation>Der Update-Feed konnte nicht gelesen werden: %1 (Zeile %2).</translation>
    </message>
    <message>
        <source>The update feed could not be read: it is empty.</source>
        <translation>Der Update-Feed konnte nicht gelesen werden: Er ist leer.</translation>
    </message>
    <message>
        <source>The update feed could not be read: it is not an RSS feed.</source>
        <translation>Der Update-Feed konnte nicht gelesen werden: Er ist kein RSS-Feed.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>norrid: %1
Try &apos;norrid --help&apos;.</source>
        <translation>norrid: %1
Siehe &apos;norrid --help&apos;.</translation>
    </message>
    <message>
        <source>Norrid is not running.</source>
        <translation>Norrid läuft nicht.</translation>
    </message>
    <message>
        <source>Watches one column of a Jira board from the tray. Without a command, starts Norrid (or opens the popover of the Norrid that runs).</source>
        <translation>Beobachtet eine Spalte eines Jira-Boards aus dem Infobereich. Ohne Befehl startet Norrid (oder öffnet das Popover des laufenden Norrid).</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Zeigt diese Hilfe.</translation>
    </message>
    <message>
        <source>Shows the version and the build number.</source>
        <translation>Zeigt die Version und die Build-Nummer.</translation>
    </message>
    <message>
        <source>Starts as at login: opens nothing if Norrid runs already.</source>
        <translation>Startet wie bei der Anmeldung: Öffnet nichts, wenn Norrid bereits läuft.</translation>
    </message>
    <message>
        <source>status: one JSON object.</source>
        <translation>status: ein JSON-Objekt.</translation>
    </message>
    <message>
        <source>status: what waybar&apos;s custom module reads.</source>
        <translation>status: was das Custom-Modul von Waybar liest.</translation>
    </message>
    <message>
        <source>status: a new line on every change, until Norrid quits.</source>
        <translation>status: eine neue Zeile bei jeder Änderung, bis Norrid beendet wird.</translation>
    </message>
    <message>
        <source>command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>status, refresh, popover (opens or closes it), settings, quit, or snooze 30m|1h|4h|tomorrow|off.</source>
        <translation>status, refresh, popover (öffnet oder schließt es), settings, quit oder snooze 30m|1h|4h|tomorrow|off.</translation>
    </message>
    <message>
        <source>[command]</source>
        <translation>[Befehl]</translation>
    </message>
    <message>
        <source>Norrid %1 (build %2)</source>
        <translation>Norrid %1 (Build %2)</translation>
    </message>
    <message>
        <source>snooze takes 30m, 1h, 4h, tomorrow or off</source>
        <translation>snooze erwartet 30m, 1h, 4h, tomorrow oder off</translation>
    </message>
    <message>
        <source>one command at a time</source>
        <translation>nur ein Befehl auf einmal</translation>
    </message>
    <message>
        <source>--json, --waybar and --follow go with the status command</source>
        <translation>--json, --waybar und --follow gehören zum Befehl status</translation>
    </message>
    <message>
        <source>--json or --waybar, not both</source>
        <translation>--json oder --waybar, nicht beides</translation>
    </message>
    <message>
        <source>unknown command “%1”</source>
        <translation>unbekannter Befehl „%1“</translation>
    </message>
</context>
<context>
    <name>ConnectionTest</name>
    <message numerus="yes">
        <source>%n in %1</source>
        <translation>
            <numerusform>%n in %1</numerusform>
            <numerusform>%n in %1</numerusform>
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
        <translation>Der Update-Feed ist größer als %1 KB und damit zu groß für einen Feed; Norrid hat ihn nicht gelesen.</translation>
    </message>
    <message>
        <source>The update feed answered with HTTP %1 %2.</source>
        <translation>Der Update-Feed antwortete mit HTTP %1 %2.</translation>
    </message>
    <message numerus="yes">
        <source>The update feed did not answer within %n seconds.</source>
        <translation>
            <numerusform>Der Update-Feed hat nicht innerhalb von %n Sekunde geantwortet.</numerusform>
            <numerusform>Der Update-Feed hat nicht innerhalb von %n Sekunden geantwortet.</numerusform>
        </translation>
    </message>
    <message>
        <source>Norrid could not reach the update feed: %1.</source>
        <translation>Norrid konnte den Update-Feed nicht erreichen: %1.</translation>
    </message>
</context>
<context>
    <name>FreedesktopNotificationCenter</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>InstallerHandoff</name>
    <message>
        <source>Your desktop has no application that installs Debian packages. The checked update is kept as %1. Install it from a terminal with: sudo apt install %1</source>
        <translation>Ihr Desktop hat keine Anwendung, die Debian-Pakete installiert. Das geprüfte Update liegt unter %1. Installieren Sie es in einem Terminal mit: sudo apt install %1</translation>
    </message>
    <message>
        <source>Your desktop has no application that installs this kind of file (%1). The checked update is kept as %2. Open it with your software installer.</source>
        <translation>Ihr Desktop hat keine Anwendung, die diese Art von Datei (%1) installiert. Das geprüfte Update liegt unter %2. Öffnen Sie es mit Ihrer Softwareverwaltung.</translation>
    </message>
    <message>
        <source>Your software installer (%1) did not open the update. The checked update is kept as %2. Open it with your software installer.</source>
        <translation>Ihre Softwareverwaltung (%1) hat das Update nicht geöffnet. Das geprüfte Update liegt unter %2. Öffnen Sie es mit Ihrer Softwareverwaltung.</translation>
    </message>
</context>
<context>
    <name>IssueListModel</name>
    <message>
        <source>1 card</source>
        <translation>1 Vorgang</translation>
    </message>
    <message numerus="yes">
        <source>%n cards</source>
        <translation>
            <numerusform>%n Vorgang</numerusform>
            <numerusform>%n Vorgänge</numerusform>
        </translation>
    </message>
    <message>
        <source>No cards in this column.</source>
        <translation>Keine Vorgänge in dieser Spalte.</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Wird geladen…</translation>
    </message>
    <message>
        <source>%1, %2, assigned to %3, updated %4</source>
        <comment>a card for screen readers: key, summary, assignee, age</comment>
        <translation>%1, %2, zugewiesen an %3, aktualisiert %4</translation>
    </message>
    <message>
        <source>%1, %2, assigned to %3</source>
        <comment>a card for screen readers: key, summary, assignee</comment>
        <translation>%1, %2, zugewiesen an %3</translation>
    </message>
    <message>
        <source>%1, %2, updated %3</source>
        <comment>a card for screen readers: key, summary, age</comment>
        <translation>%1, %2, aktualisiert %3</translation>
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
        <translation>Öffnet den Vorgang in Ihrem Browser</translation>
    </message>
</context>
<context>
    <name>JiraError</name>
    <message>
        <source>Jira rejected the email/token (%1). Check your API token.</source>
        <translation>Jira hat E-Mail-Adresse/Token abgelehnt (%1). Prüfen Sie Ihr API-Token.</translation>
    </message>
    <message>
        <source>Jira rejected the email/token. Check your API token.</source>
        <translation>Jira hat E-Mail-Adresse/Token abgelehnt. Prüfen Sie Ihr API-Token.</translation>
    </message>
    <message>
        <source>Jira rejected the user name/password (%1). Check them, or sign in with a personal access token: paste it as the token and leave the email empty.</source>
        <translation>Jira hat Benutzername/Passwort abgelehnt (%1). Prüfen Sie beides, oder melden Sie sich mit einem persönlichen Zugriffstoken an: Fügen Sie es als Token ein und lassen Sie die E-Mail-Adresse leer.</translation>
    </message>
    <message>
        <source>Jira rejected the user name/password. Check them, or sign in with a personal access token: paste it as the token and leave the email empty.</source>
        <translation>Jira hat Benutzername/Passwort abgelehnt. Prüfen Sie beides, oder melden Sie sich mit einem persönlichen Zugriffstoken an: Fügen Sie es als Token ein und lassen Sie die E-Mail-Adresse leer.</translation>
    </message>
    <message>
        <source>Jira rejected the personal access token (%1). Check that it is complete and has not expired or been revoked.</source>
        <translation>Jira hat das persönliche Zugriffstoken abgelehnt (%1). Prüfen Sie, ob es vollständig ist und nicht abgelaufen oder widerrufen wurde.</translation>
    </message>
    <message>
        <source>Jira rejected the personal access token. Check that it is complete and has not expired or been revoked.</source>
        <translation>Jira hat das persönliche Zugriffstoken abgelehnt. Prüfen Sie, ob es vollständig ist und nicht abgelaufen oder widerrufen wurde.</translation>
    </message>
    <message>
        <source>Jira returned HTTP 429. Too many requests: Jira is rate limiting this account and asks to wait 1 second.</source>
        <translation>Jira hat HTTP 429 zurückgegeben. Zu viele Anfragen: Jira begrenzt die Anfragen dieses Kontos und bittet, 1 Sekunde zu warten.</translation>
    </message>
    <message numerus="yes">
        <source>Jira returned HTTP 429. Too many requests: Jira is rate limiting this account and asks to wait %n seconds.</source>
        <translation>
            <numerusform>Jira hat HTTP 429 zurückgegeben. Zu viele Anfragen: Jira begrenzt die Anfragen dieses Kontos und bittet, %n Sekunde zu warten.</numerusform>
            <numerusform>Jira hat HTTP 429 zurückgegeben. Zu viele Anfragen: Jira begrenzt die Anfragen dieses Kontos und bittet, %n Sekunden zu warten.</numerusform>
        </translation>
    </message>
    <message>
        <source>Jira returned HTTP 404 for %1. Check the board ID. Self-hosted Jira sites often live under a path such as /jira: enter the address you open Jira at, such as %2.</source>
        <translation>Jira hat HTTP 404 für %1 zurückgegeben. Prüfen Sie die Board-ID. Selbst gehostete Jira-Sites liegen oft unter einem Pfad wie /jira: Geben Sie die Adresse ein, unter der Sie Jira öffnen, etwa %2.</translation>
    </message>
    <message>
        <source>Jira Cloud signs in with the email of your Atlassian account and an API token: enter your email. Personal access tokens work on Jira Data Center only.</source>
        <translation>Bei Jira Cloud melden Sie sich mit der E-Mail-Adresse Ihres Atlassian-Kontos und einem API-Token an: Geben Sie Ihre E-Mail-Adresse ein. Persönliche Zugriffstoken funktionieren nur mit Jira Data Center.</translation>
    </message>
    <message>
        <source>Jira returned HTTP 429. Too many requests: Jira is rate limiting this account for now. Norrid tries again at the next poll.</source>
        <translation>Jira hat HTTP 429 zurückgegeben. Zu viele Anfragen: Jira begrenzt die Anfragen dieses Kontos vorerst. Norrid versucht es bei der nächsten Abfrage erneut.</translation>
    </message>
    <message>
        <source>Jira returned HTTP %1.</source>
        <translation>Jira hat HTTP %1 zurückgegeben.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read Jira&apos;s response: %1</source>
        <translation>Die Antwort von Jira konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Not connected yet — add your email and API token.</source>
        <translation>Noch nicht verbunden – geben Sie Ihre E-Mail-Adresse und Ihr API-Token ein.</translation>
    </message>
    <message>
        <source>The Jira site URL looks invalid.</source>
        <translation>Die URL der Jira-Site scheint ungültig zu sein.</translation>
    </message>
    <message>
        <source>The Jira site URL looks invalid. %1</source>
        <translation>Die URL der Jira-Site scheint ungültig zu sein. %1</translation>
    </message>
    <message>
        <source>This Jira site accepts only personal access tokens: its administrator turned off sign-in with a user name and password. In Jira, open your profile, then Personal Access Tokens, create one, paste it as the token in the settings and leave the email empty.</source>
        <translation>Diese Jira-Site akzeptiert nur persönliche Zugriffstoken: Ihr Administrator hat die Anmeldung mit Benutzername und Passwort deaktiviert. Öffnen Sie in Jira Ihr Profil, dann „Persönliche Zugriffstoken“, erstellen Sie ein Token, fügen Sie es in den Einstellungen als Token ein und lassen Sie die E-Mail-Adresse leer.</translation>
    </message>
    <message>
        <source>Jira wants you to sign in once in your browser: after several failed logins it asks for a CAPTCHA, which Norrid cannot answer. Sign in to Jira, then choose Refresh Now.</source>
        <translation>Jira möchte, dass Sie sich einmal im Browser anmelden: Nach mehreren fehlgeschlagenen Anmeldungen verlangt es ein CAPTCHA, das Norrid nicht beantworten kann. Melden Sie sich bei Jira an und wählen Sie dann „Jetzt aktualisieren“.</translation>
    </message>
</context>
<context>
    <name>JiraRequest</name>
    <message>
        <source>The request to Jira timed out.</source>
        <translation>Die Anfrage an Jira hat das Zeitlimit überschritten.</translation>
    </message>
    <message>
        <source>The request to Jira was cancelled.</source>
        <translation>Die Anfrage an Jira wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The certificate of the Jira site is not trusted (%1). Norrid sends your credentials only to a site whose certificate your system trusts.</source>
        <translation>Dem Zertifikat der Jira-Site wird nicht vertraut (%1). Norrid sendet Ihre Zugangsdaten nur an eine Site, deren Zertifikat Ihr System vertraut.</translation>
    </message>
    <message>
        <source>No HTTP response from Jira.</source>
        <translation>Keine HTTP-Antwort von Jira.</translation>
    </message>
    <message>
        <source>Jira redirected the request to an address that is not secure (%1). Norrid sends your credentials over HTTPS only.</source>
        <translation>Jira hat die Anfrage an eine unsichere Adresse umgeleitet (%1). Norrid sendet Ihre Zugangsdaten nur über HTTPS.</translation>
    </message>
    <message>
        <source>Jira redirected the request to another site (%1). If your Jira site has moved, enter its new address.</source>
        <translation>Jira hat die Anfrage an eine andere Site umgeleitet (%1). Wenn Ihre Jira-Site umgezogen ist, geben Sie ihre neue Adresse ein.</translation>
    </message>
    <message>
        <source>Jira redirected the request too many times.</source>
        <translation>Jira hat die Anfrage zu oft umgeleitet.</translation>
    </message>
</context>
<context>
    <name>JiraSite</name>
    <message>
        <source>Norrid connects only to an https:// address, such as https://your-team.atlassian.net.</source>
        <translation>Norrid verbindet sich nur mit einer https://-Adresse, etwa https://your-team.atlassian.net.</translation>
    </message>
    <message>
        <source>It holds a user name or an “@” before the host; enter only the site&apos;s address, such as https://your-team.atlassian.net.</source>
        <translation>Sie enthält einen Benutzernamen oder ein „@“ vor dem Host; geben Sie nur die Adresse der Site ein, etwa https://your-team.atlassian.net.</translation>
    </message>
    <message>
        <source>It names no host; enter the site&apos;s address, such as https://your-team.atlassian.net.</source>
        <translation>Sie nennt keinen Host; geben Sie die Adresse der Site ein, etwa https://your-team.atlassian.net.</translation>
    </message>
</context>
<context>
    <name>KeyringText</name>
    <message>
        <source>Keyring locked</source>
        <translation>Schlüsselbund gesperrt</translation>
    </message>
    <message>
        <source>Your keyring is locked, so the Jira API token cannot be read. Once the keyring is unlocked, Norrid connects again without asking for the token.</source>
        <translation>Ihr Schlüsselbund ist gesperrt, daher kann das Jira-API-Token nicht gelesen werden. Sobald der Schlüsselbund entsperrt ist, verbindet sich Norrid wieder, ohne nach dem Token zu fragen.</translation>
    </message>
    <message>
        <source>Your keyring is locked, so the Jira API token is not stored yet. Norrid keeps it in memory and stores it once the keyring is unlocked.</source>
        <translation>Ihr Schlüsselbund ist gesperrt, daher ist das Jira-API-Token noch nicht gespeichert. Norrid behält es im Speicher und speichert es, sobald der Schlüsselbund entsperrt ist.</translation>
    </message>
    <message>
        <source>Your keyring is locked, so the old Jira API token is still stored. Norrid deletes it once the keyring is unlocked.</source>
        <translation>Ihr Schlüsselbund ist gesperrt, daher ist das alte Jira-API-Token noch gespeichert. Norrid löscht es, sobald der Schlüsselbund entsperrt ist.</translation>
    </message>
    <message>
        <source>keyring locked; connects once the keyring is unlocked</source>
        <translation>Schlüsselbund gesperrt; verbindet sich, sobald der Schlüsselbund entsperrt ist</translation>
    </message>
    <message>
        <source>keyring locked; stores the token once the keyring is unlocked</source>
        <translation>Schlüsselbund gesperrt; speichert das Token, sobald der Schlüsselbund entsperrt ist</translation>
    </message>
    <message>
        <source>keyring locked; deletes the old token once the keyring is unlocked</source>
        <translation>Schlüsselbund gesperrt; löscht das alte Token, sobald der Schlüsselbund entsperrt ist</translation>
    </message>
    <message>
        <source>No keyring</source>
        <translation>Kein Schlüsselbund</translation>
    </message>
    <message>
        <source>This desktop runs no keyring (a Secret Service such as GNOME Keyring or KWallet), so the Jira API token cannot be read. Once a keyring runs, Norrid connects again without asking for the token.</source>
        <translation>Auf diesem Desktop läuft kein Schlüsselbund (ein Secret Service wie GNOME Keyring oder KWallet), daher kann das Jira-API-Token nicht gelesen werden. Sobald ein Schlüsselbund läuft, verbindet sich Norrid wieder, ohne nach dem Token zu fragen.</translation>
    </message>
    <message>
        <source>This desktop runs no keyring (a Secret Service such as GNOME Keyring or KWallet), so the Jira API token is not stored yet. Norrid keeps it in memory and stores it once a keyring runs.</source>
        <translation>Auf diesem Desktop läuft kein Schlüsselbund (ein Secret Service wie GNOME Keyring oder KWallet), daher ist das Jira-API-Token noch nicht gespeichert. Norrid behält es im Speicher und speichert es, sobald ein Schlüsselbund läuft.</translation>
    </message>
    <message>
        <source>This desktop runs no keyring (a Secret Service such as GNOME Keyring or KWallet), so the old Jira API token is still stored. Norrid deletes it once a keyring runs.</source>
        <translation>Auf diesem Desktop läuft kein Schlüsselbund (ein Secret Service wie GNOME Keyring oder KWallet), daher ist das alte Jira-API-Token noch gespeichert. Norrid löscht es, sobald ein Schlüsselbund läuft.</translation>
    </message>
    <message>
        <source>no keyring; connects once a keyring runs</source>
        <translation>kein Schlüsselbund; verbindet sich, sobald ein Schlüsselbund läuft</translation>
    </message>
    <message>
        <source>no keyring; stores the token once a keyring runs</source>
        <translation>kein Schlüsselbund; speichert das Token, sobald ein Schlüsselbund läuft</translation>
    </message>
    <message>
        <source>no keyring; deletes the old token once a keyring runs</source>
        <translation>kein Schlüsselbund; löscht das alte Token, sobald ein Schlüsselbund läuft</translation>
    </message>
    <message>
        <source>Keyring not reachable</source>
        <translation>Schlüsselbund nicht erreichbar</translation>
    </message>
    <message>
        <source>Norrid cannot reach your system keyring, so the Jira API token cannot be read. Once the keyring answers, Norrid connects again without asking for the token.</source>
        <translation>Norrid kann Ihren System-Schlüsselbund nicht erreichen, daher kann das Jira-API-Token nicht gelesen werden. Sobald der Schlüsselbund antwortet, verbindet sich Norrid wieder, ohne nach dem Token zu fragen.</translation>
    </message>
    <message>
        <source>Norrid cannot reach your system keyring, so the Jira API token is not stored yet. Norrid keeps it in memory and stores it once the keyring answers.</source>
        <translation>Norrid kann Ihren System-Schlüsselbund nicht erreichen, daher ist das Jira-API-Token noch nicht gespeichert. Norrid behält es im Speicher und speichert es, sobald der Schlüsselbund antwortet.</translation>
    </message>
    <message>
        <source>Norrid cannot reach your system keyring, so the old Jira API token is still stored. Norrid deletes it once the keyring answers.</source>
        <translation>Norrid kann Ihren System-Schlüsselbund nicht erreichen, daher ist das alte Jira-API-Token noch gespeichert. Norrid löscht es, sobald der Schlüsselbund antwortet.</translation>
    </message>
    <message>
        <source>keyring not reachable; connects once the keyring answers</source>
        <translation>Schlüsselbund nicht erreichbar; verbindet sich, sobald der Schlüsselbund antwortet</translation>
    </message>
    <message>
        <source>keyring not reachable; stores the token once the keyring answers</source>
        <translation>Schlüsselbund nicht erreichbar; speichert das Token, sobald der Schlüsselbund antwortet</translation>
    </message>
    <message>
        <source>keyring not reachable; deletes the old token once the keyring answers</source>
        <translation>Schlüsselbund nicht erreichbar; löscht das alte Token, sobald der Schlüsselbund antwortet</translation>
    </message>
</context>
<context>
    <name>MessageView</name>
    <message>
        <source>Open Settings</source>
        <translation>Einstellungen öffnen</translation>
    </message>
</context>
<context>
    <name>NotificationManager</name>
    <message>
        <source>Ready for review</source>
        <translation>Bereit zur Prüfung</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message numerus="yes">
        <source>%n cards ready for review</source>
        <translation>
            <numerusform>%n Vorgang bereit zur Prüfung</numerusform>
            <numerusform>%n Vorgänge bereit zur Prüfung</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Board</source>
        <translation>Board öffnen</translation>
    </message>
    <message>
        <source>CLS-0000 · Test Ping</source>
        <translation>CLS-0000 · Testnachricht</translation>
    </message>
    <message>
        <source>This is how a new review card will look and sound.</source>
        <translation>So sieht und klingt ein neuer Vorgang zur Prüfung aus.</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Update verfügbar</translation>
    </message>
    <message>
        <source>Norrid %1 is ready to install. Click to update.</source>
        <translation>Norrid %1 ist bereit zur Installation. Zum Aktualisieren klicken.</translation>
    </message>
    <message>
        <source>Norrid has no tray</source>
        <translation>Norrid hat keinen Infobereich</translation>
    </message>
    <message>
        <source>Ready for review in %1</source>
        <translation>Bereit zur Prüfung in %1</translation>
    </message>
    <message numerus="yes">
        <source>%n cards ready for review in %1</source>
        <translation>
            <numerusform>%n Vorgang bereit zur Prüfung in %1</numerusform>
            <numerusform>%n Vorgänge bereit zur Prüfung in %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PauseNote</name>
    <message>
        <source>Checking is paused: Norrid tries again at %1, or as soon as you choose Refresh Now after signing in.</source>
        <translation>Die Abfrage ist pausiert: Norrid versucht es um %1 erneut, oder sobald Sie nach der Anmeldung „Jetzt aktualisieren“ wählen.</translation>
    </message>
    <message>
        <source>Checking is paused: Norrid tries again at %1, or as soon as the email or token changes.</source>
        <translation>Die Abfrage ist pausiert: Norrid versucht es um %1 erneut, oder sobald sich E-Mail-Adresse oder Token ändern.</translation>
    </message>
    <message>
        <source>Checking is paused: Norrid tries again at %1, or as soon as the user name or password changes.</source>
        <translation>Die Abfrage ist pausiert: Norrid versucht es um %1 erneut, oder sobald sich Benutzername oder Passwort ändern.</translation>
    </message>
    <message>
        <source>Checking is paused: Norrid tries again at %1, or as soon as the token changes. Personal access tokens expire; if yours has, create a new one.</source>
        <translation>Die Abfrage ist pausiert: Norrid versucht es um %1 erneut, oder sobald sich das Token ändert. Persönliche Zugriffstoken laufen ab; ist Ihres abgelaufen, erstellen Sie ein neues.</translation>
    </message>
    <message>
        <source>Checking is paused: Norrid tries again at %1, or as soon as the email or token changes. API tokens expire; if yours has, create a new one.</source>
        <translation>Die Abfrage ist pausiert: Norrid versucht es um %1 erneut, oder sobald sich E-Mail-Adresse oder Token ändern. API-Token laufen ab; ist Ihres abgelaufen, erstellen Sie ein neues.</translation>
    </message>
</context>
<context>
    <name>PopoverContent</name>
    <message numerus="yes">
        <source>%n cards to review</source>
        <translation>
            <numerusform>%n Vorgang zu prüfen</numerusform>
            <numerusform>%n Vorgänge zu prüfen</numerusform>
        </translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Connection problem</source>
        <translation>Verbindungsproblem</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>Aktualisiert %1</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Wird geladen…</translation>
    </message>
    <message>
        <source>Connect to Jira</source>
        <translation>Mit Jira verbinden</translation>
    </message>
    <message>
        <source>Add your Jira email and API token to start watching the To review column.</source>
        <translation>Geben Sie Ihre Jira-E-Mail-Adresse und Ihr API-Token ein, um die Spalte „Zu prüfen“ zu beobachten.</translation>
    </message>
    <message>
        <source>Version %1 is available</source>
        <translation>Version %1 ist verfügbar</translation>
    </message>
    <message>
        <source>Download and install Norrid %1</source>
        <translation>Norrid %1 herunterladen und installieren</translation>
    </message>
    <message>
        <source>Norrid %1 is available. Install the update.</source>
        <translation>Norrid %1 ist verfügbar. Installieren Sie das Update.</translation>
    </message>
</context>
<context>
    <name>PopoverView</name>
    <message>
        <source>To review</source>
        <translation>Zu prüfen</translation>
    </message>
    <message>
        <source>Open the board in your browser</source>
        <translation>Board in Ihrem Browser öffnen</translation>
    </message>
    <message>
        <source>Open board in browser</source>
        <translation>Board im Browser öffnen</translation>
    </message>
    <message>
        <source>Refresh now</source>
        <translation>Jetzt aktualisieren</translation>
    </message>
    <message>
        <source>Nothing to review</source>
        <translation>Nichts zu prüfen</translation>
    </message>
    <message>
        <source>You&apos;re all caught up.
New cards in To review show up here and notify you.</source>
        <translation>Alles erledigt.
Neue Vorgänge in „Zu prüfen“ erscheinen hier, und Sie werden benachrichtigt.</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach Jira</source>
        <translation>Jira nicht erreichbar</translation>
    </message>
    <message>
        <source>Sign In to Jira…</source>
        <translation>Bei Jira anmelden…</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Einstellungen öffnen</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Wird geladen…</translation>
    </message>
    <message>
        <source>Install…</source>
        <translation>Installieren…</translation>
    </message>
    <message>
        <source>Notifications are off for Norrid</source>
        <translation>Benachrichtigungen für Norrid sind aus</translation>
    </message>
    <message>
        <source>Enable…</source>
        <translation>Aktivieren…</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s notification settings</source>
        <translation>Benachrichtigungseinstellungen des Desktops öffnen</translation>
    </message>
    <message>
        <source>Notifications are off for Norrid. Enable them in your desktop&apos;s settings to get pinged about new cards.</source>
        <translation>Benachrichtigungen für Norrid sind aus. Aktivieren Sie sie in den Einstellungen Ihres Desktops, um über neue Vorgänge informiert zu werden.</translation>
    </message>
    <message>
        <source>Sign In…</source>
        <translation>Anmelden…</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Einstellungen…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Quit Norrid</source>
        <translation>Norrid beenden</translation>
    </message>
</context>
<context>
    <name>QuickFilterChoice</name>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>This board has no quick filters.</source>
        <translation>Dieses Board hat keine Schnellfilter.</translation>
    </message>
</context>
<context>
    <name>QuickScene</name>
    <message>
        <source>Norrid cannot open its window because a part of the application is missing or damaged. Reinstall Norrid.

%1</source>
        <translation>Norrid kann sein Fenster nicht öffnen, weil ein Teil der Anwendung fehlt oder beschädigt ist. Installieren Sie Norrid neu.

%1</translation>
    </message>
</context>
<context>
    <name>RelativeTime</name>
    <message numerus="yes">
        <source>%Ln min. ago</source>
        <translation>
            <numerusform>vor %Ln Min.</numerusform>
            <numerusform>vor %Ln Min.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln min.</source>
        <translation>
            <numerusform>in %Ln Min.</numerusform>
            <numerusform>in %Ln Min.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln hr. ago</source>
        <translation>
            <numerusform>vor %Ln Std.</numerusform>
            <numerusform>vor %Ln Std.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln hr.</source>
        <translation>
            <numerusform>in %Ln Std.</numerusform>
            <numerusform>in %Ln Std.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days ago</source>
        <translation>
            <numerusform>vor %Ln Tag</numerusform>
            <numerusform>vor %Ln Tagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day ago</source>
        <translation>
            <numerusform>vor %Ln Tag</numerusform>
            <numerusform>vor %Ln Tagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln days</source>
        <translation>
            <numerusform>in %Ln Tag</numerusform>
            <numerusform>in %Ln Tagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln day</source>
        <translation>
            <numerusform>in %Ln Tag</numerusform>
            <numerusform>in %Ln Tagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln wk. ago</source>
        <translation>
            <numerusform>vor %Ln Wo.</numerusform>
            <numerusform>vor %Ln Wo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln wk.</source>
        <translation>
            <numerusform>in %Ln Wo.</numerusform>
            <numerusform>in %Ln Wo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln mo. ago</source>
        <translation>
            <numerusform>vor %Ln Mon.</numerusform>
            <numerusform>vor %Ln Mon.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln mo.</source>
        <translation>
            <numerusform>in %Ln Mon.</numerusform>
            <numerusform>in %Ln Mon.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln yr. ago</source>
        <translation>
            <numerusform>vor %Ln J.</numerusform>
            <numerusform>vor %Ln J.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln yr.</source>
        <translation>
            <numerusform>in %Ln J.</numerusform>
            <numerusform>in %Ln J.</numerusform>
        </translation>
    </message>
    <message>
        <source>just now</source>
        <translation>gerade eben</translation>
    </message>
</context>
<context>
    <name>ReviewMonitor</name>
    <message>
        <source>This column needs a board and a status. Add them in Settings.</source>
        <translation>Diese Spalte braucht ein Board und einen Status. Ergänzen Sie beides in den Einstellungen.</translation>
    </message>
    <message>
        <source>%1 Norrid tries again at %2.</source>
        <translation>%1 Norrid versucht es um %2 erneut.</translation>
    </message>
</context>
<context>
    <name>SettingsDraft</name>
    <message>
        <source>Norrid could not set itself to start at login.</source>
        <translation>Norrid konnte den Start bei der Anmeldung nicht einrichten.</translation>
    </message>
    <message>
        <source>Norrid could not stop starting at login.</source>
        <translation>Norrid konnte den Start bei der Anmeldung nicht abschalten.</translation>
    </message>
</context>
<context>
    <name>SettingsForm</name>
    <message>
        <source>Filled in from the board address you pasted.</source>
        <translation>Aus der eingefügten Board-Adresse übernommen.</translation>
    </message>
    <message>
        <source>New column</source>
        <translation>Neue Spalte</translation>
    </message>
    <message>
        <source>Connected to %1 — %2</source>
        <translation>Verbunden mit %1 – %2</translation>
    </message>
    <message>
        <source>Connected — %1</source>
        <translation>Verbunden – %1</translation>
    </message>
    <message numerus="yes">
        <source>Connected to %1 — %n in %2</source>
        <translation>
            <numerusform>Verbunden mit %1 – %n in %2</numerusform>
            <numerusform>Verbunden mit %1 – %n in %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Connected — %n in %1</source>
        <translation>
            <numerusform>Verbunden – %n in %1</numerusform>
            <numerusform>Verbunden – %n in %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 Sekunden</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 Minute</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <translation>2 Minuten</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 Minuten</translation>
    </message>
    <message>
        <source>Create a personal access token…</source>
        <translation>Persönliches Zugriffstoken erstellen…</translation>
    </message>
    <message>
        <source>Create an API token…</source>
        <translation>API-Token erstellen…</translation>
    </message>
    <message>
        <source>Norrid reads Jira at %1.</source>
        <translation>Norrid liest Jira unter %1.</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Jira connection</source>
        <translation>Jira-Verbindung</translation>
    </message>
    <message>
        <source>Site URL</source>
        <translation>Site-URL</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>you@company.com</source>
        <translation>name@firma.de</translation>
    </message>
    <message>
        <source>On Jira Data Center, your user name — or leave it empty to sign in with a personal access token.</source>
        <translation>Bei Jira Data Center Ihr Benutzername – oder lassen Sie das Feld leer, um sich mit einem persönlichen Zugriffstoken anzumelden.</translation>
    </message>
    <message>
        <source>API token</source>
        <translation>API-Token</translation>
    </message>
    <message>
        <source>Paste your API token or personal access token</source>
        <translation>API-Token oder persönliches Zugriffstoken einfügen</translation>
    </message>
    <message>
        <source>An API token for Jira Cloud, or a personal access token for Jira Data Center.</source>
        <translation>Ein API-Token für Jira Cloud oder ein persönliches Zugriffstoken für Jira Data Center.</translation>
    </message>
    <message>
        <source>Stored in your system keyring — never in plain text.</source>
        <translation>Im Schlüsselbund Ihres Systems gespeichert – nie im Klartext.</translation>
    </message>
    <message>
        <source>What to watch</source>
        <translation>Was beobachtet wird</translation>
    </message>
    <message>
        <source>Watched columns</source>
        <translation>Beobachtete Spalten</translation>
    </message>
    <message>
        <source>Board ID</source>
        <translation>Board-ID</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>To review</source>
        <translation>Zu prüfen</translation>
    </message>
    <message>
        <source>Team quick filter</source>
        <translation>Schnellfilter</translation>
    </message>
    <message>
        <source>The quick-filter chips from the top of your board. Picking one applies the same filtering the web board does.</source>
        <translation>Die Schnellfilter oben auf Ihrem Board. Wählen Sie einen, filtert Norrid genauso wie das Board im Browser.</translation>
    </message>
    <message>
        <source>Load team filters from board</source>
        <translation>Team-Filter vom Board laden</translation>
    </message>
    <message>
        <source>Team filter (JQL)</source>
        <translation>Team-Filter (JQL)</translation>
    </message>
    <message>
        <source>optional, e.g. labels = team-f</source>
        <translation>optional, z. B. labels = team-f</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>optional, shown instead of the status</source>
        <translation>optional, erscheint statt des Status</translation>
    </message>
    <message>
        <source>Column name</source>
        <translation>Spaltenname</translation>
    </message>
    <message>
        <source>Status is the exact Jira status behind your column. The team filter narrows a shared board to your team — pick a quick filter above to fill it automatically, or write your own JQL.</source>
        <translation>Status ist der genaue Jira-Status hinter Ihrer Spalte. Der Team-Filter grenzt ein gemeinsam genutztes Board auf Ihr Team ein – wählen Sie oben einen Schnellfilter, um ihn automatisch auszufüllen, oder schreiben Sie eigenes JQL.</translation>
    </message>
    <message>
        <source>Add Column</source>
        <translation>Spalte hinzufügen</translation>
    </message>
    <message>
        <source>Watch another status or board on the same connection (up to 8 columns).</source>
        <translation>Einen weiteren Status oder ein weiteres Board über dieselbe Verbindung beobachten (bis zu 8 Spalten).</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Benachrichtigungen</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Notification sound</source>
        <translation>Benachrichtigungston</translation>
    </message>
    <message>
        <source>Send test notification</source>
        <translation>Testbenachrichtigung senden</translation>
    </message>
    <message>
        <source>Posts a sample banner with the selected sound so you can preview it.</source>
        <translation>Zeigt eine Beispielbenachrichtigung mit dem gewählten Ton, damit Sie ihn vorab hören können.</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Check every</source>
        <translation>Abfrageintervall</translation>
    </message>
    <message>
        <source>Check interval</source>
        <translation>Abfrageintervall</translation>
    </message>
    <message>
        <source>Tray icon</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Light suits a dark panel, Dark a light one. Automatic follows the desktop&apos;s colour scheme.</source>
        <translation>Hell passt zu einer dunklen Leiste, Dunkel zu einer hellen. Automatisch folgt dem Farbschema des Desktops.</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Start Norrid automatically when you log in.</source>
        <translation>Norrid automatisch starten, wenn Sie sich anmelden.</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Updates</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Automatisch nach Updates suchen</translation>
    </message>
    <message>
        <source>Looks for a new version once a day. You get a notification and a banner in the app when one is ready.</source>
        <translation>Sucht einmal am Tag nach einer neuen Version. Ist eine bereit, erhalten Sie eine Benachrichtigung und einen Hinweis in der App.</translation>
    </message>
    <message>
        <source>Check for Updates Now</source>
        <translation>Jetzt nach Updates suchen</translation>
    </message>
    <message>
        <source>Contacts the update feed and offers any newer version right away.</source>
        <translation>Fragt den Update-Feed ab und bietet eine neuere Version sofort an.</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Diagnosedaten kopieren</translation>
    </message>
    <message>
        <source>Copies what a bug report needs: versions, the desktop, the tray, the keyring and the last poll. Never the token, the email or a card&apos;s text.</source>
        <translation>Kopiert, was ein Fehlerbericht braucht: Versionen, Desktop, Infobereich, Schlüsselbund und die letzte Abfrage. Nie das Token, die E-Mail-Adresse oder den Text eines Vorgangs.</translation>
    </message>
    <message>
        <source>Test connection</source>
        <translation>Verbindung testen</translation>
    </message>
    <message>
        <source>Sign In…</source>
        <translation>Anmelden…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>SettingsWindowController</name>
    <message>
        <source>Norrid Settings</source>
        <translation>Norrid-Einstellungen</translation>
    </message>
</context>
<context>
    <name>StateReport</name>
    <message>
        <source>1 card</source>
        <translation>1 Vorgang</translation>
    </message>
    <message numerus="yes">
        <source>%n cards</source>
        <translation>
            <numerusform>%n Vorgang</numerusform>
            <numerusform>%n Vorgänge</numerusform>
        </translation>
    </message>
    <message>
        <source>1 card in %1</source>
        <translation>1 Vorgang in %1</translation>
    </message>
    <message numerus="yes">
        <source>%n cards in %1</source>
        <translation>
            <numerusform>%n Vorgang in %1</numerusform>
            <numerusform>%n Vorgänge in %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Loading the cards in %1…</source>
        <translation>Vorgänge in %1 werden geladen…</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 (notifications snoozed until %2)</source>
        <translation>%1 (Benachrichtigungen pausiert bis %2)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weiterer</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusPresentation</name>
    <message>
        <source>Norrid — update available</source>
        <translation>Norrid – Update verfügbar</translation>
    </message>
    <message>
        <source>Norrid — %1</source>
        <translation>Norrid – %1</translation>
    </message>
    <message>
        <source>Norrid — needs setup</source>
        <translation>Norrid – Einrichtung nötig</translation>
    </message>
    <message>
        <source>Norrid — cards in %1</source>
        <translation>Norrid – Vorgänge in %1</translation>
    </message>
    <message numerus="yes">
        <source>%n cards to review</source>
        <translation>
            <numerusform>%n Vorgang zu prüfen</numerusform>
            <numerusform>%n Vorgänge zu prüfen</numerusform>
        </translation>
    </message>
    <message>
        <source>Notifications snoozed until %1</source>
        <translation>Benachrichtigungen pausiert bis %1</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Show Cards</source>
        <translation>Vorgänge anzeigen</translation>
    </message>
    <message>
        <source>Refresh Now</source>
        <translation>Jetzt aktualisieren</translation>
    </message>
    <message>
        <source>Open Board in Browser</source>
        <translation>Board im Browser öffnen</translation>
    </message>
    <message>
        <source>Snooze Notifications</source>
        <translation>Benachrichtigungen pausieren</translation>
    </message>
    <message>
        <source>30 Minutes</source>
        <translation>30 Minuten</translation>
    </message>
    <message>
        <source>1 Hour</source>
        <translation>1 Stunde</translation>
    </message>
    <message>
        <source>4 Hours</source>
        <translation>4 Stunden</translation>
    </message>
    <message>
        <source>Until Tomorrow</source>
        <translation>Bis morgen</translation>
    </message>
    <message>
        <source>Resume Notifications</source>
        <translation>Benachrichtigungen fortsetzen</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Einstellungen…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Nach Updates suchen…</translation>
    </message>
    <message>
        <source>Quit Norrid</source>
        <translation>Norrid beenden</translation>
    </message>
</context>
<context>
    <name>UpdateDownloader</name>
    <message>
        <source>The download was redirected to %1, which is not a secure https link, so Norrid stopped it.</source>
        <translation>Der Download wurde an %1 umgeleitet, was kein sicherer https-Link ist; daher hat Norrid ihn abgebrochen.</translation>
    </message>
    <message>
        <source>The update&apos;s address (%1) is not a secure https link, so Norrid did not download it.</source>
        <translation>Die Adresse des Updates (%1) ist kein sicherer https-Link; daher hat Norrid es nicht heruntergeladen.</translation>
    </message>
    <message>
        <source>Norrid could not save the update in %1: %2.</source>
        <translation>Norrid konnte das Update nicht in %1 speichern: %2.</translation>
    </message>
    <message>
        <source>The download&apos;s size differs from what the update feed announced (%1 bytes instead of %2), so Norrid stopped it.</source>
        <translation>Die Größe des Downloads weicht von der Angabe im Update-Feed ab (%1 Byte statt %2); daher hat Norrid ihn abgebrochen.</translation>
    </message>
    <message>
        <source>The download is larger than the %1 MB the update feed announced, so Norrid stopped it.</source>
        <translation>Der Download ist größer als die %1 MB, die der Update-Feed angekündigt hat; daher hat Norrid ihn abgebrochen.</translation>
    </message>
    <message>
        <source>The download is larger than %1 MB, so Norrid stopped it.</source>
        <translation>Der Download ist größer als %1 MB; daher hat Norrid ihn abgebrochen.</translation>
    </message>
    <message>
        <source>Norrid could not save the update: %1.</source>
        <translation>Norrid konnte das Update nicht speichern: %1.</translation>
    </message>
    <message>
        <source>The download server answered with HTTP %1 %2.</source>
        <translation>Der Download-Server antwortete mit HTTP %1 %2.</translation>
    </message>
    <message numerus="yes">
        <source>The download server stopped answering for %n seconds.</source>
        <translation>
            <numerusform>Der Download-Server hat %n Sekunde lang nicht mehr geantwortet.</numerusform>
            <numerusform>Der Download-Server hat %n Sekunden lang nicht mehr geantwortet.</numerusform>
        </translation>
    </message>
    <message>
        <source>The download broke off: %1.</source>
        <translation>Der Download ist abgebrochen: %1.</translation>
    </message>
    <message>
        <source>The download is incomplete: %1 of the %2 bytes the update feed announced arrived.</source>
        <translation>Der Download ist unvollständig: %1 der %2 Byte, die der Update-Feed angekündigt hat, sind angekommen.</translation>
    </message>
</context>
<context>
    <name>UpdateInstaller</name>
    <message>
        <source>The update feed gives no signature for this download, so Norrid cannot tell whether it really comes from Norrid&apos;s publisher, and did not download it.</source>
        <translation>Der Update-Feed nennt keine Signatur für diesen Download. Norrid kann daher nicht feststellen, ob er wirklich vom Herausgeber von Norrid stammt, und hat ihn nicht heruntergeladen.</translation>
    </message>
    <message>
        <source>Norrid could not create its download folder %1.</source>
        <translation>Norrid konnte seinen Download-Ordner %1 nicht anlegen.</translation>
    </message>
    <message>
        <source>The download does not carry the signature of Norrid&apos;s publisher: it was damaged or altered on the way, or signed by someone else. Norrid deleted it and installed nothing.</source>
        <translation>Der Download trägt nicht die Signatur des Herausgebers von Norrid: Er wurde unterwegs beschädigt oder verändert oder von jemand anderem signiert. Norrid hat ihn gelöscht und nichts installiert.</translation>
    </message>
    <message>
        <source>The update feed&apos;s signature for this download is damaged, so Norrid cannot check it. Norrid deleted the download and installed nothing.</source>
        <translation>Die Signatur des Update-Feeds für diesen Download ist beschädigt, daher kann Norrid ihn nicht prüfen. Norrid hat den Download gelöscht und nichts installiert.</translation>
    </message>
    <message>
        <source>This copy of Norrid has a damaged key for checking updates, so it cannot install them. Install the new version from Norrid&apos;s website instead.</source>
        <translation>Diese Kopie von Norrid hat einen beschädigten Schlüssel zum Prüfen von Updates und kann sie daher nicht installieren. Installieren Sie die neue Version stattdessen von der Website von Norrid.</translation>
    </message>
    <message>
        <source>Norrid could not read the download back to check it.</source>
        <translation>Norrid konnte den Download zum Prüfen nicht wieder einlesen.</translation>
    </message>
    <message>
        <source>Norrid could not save the update as %1.</source>
        <translation>Norrid konnte das Update nicht als %1 speichern.</translation>
    </message>
    <message>
        <source>The download is not a Debian package Norrid can read. Norrid deleted it and installed nothing.</source>
        <translation>Der Download ist kein Debian-Paket, das Norrid lesen kann. Norrid hat ihn gelöscht und nichts installiert.</translation>
    </message>
    <message>
        <source>The package holds version %1, not the %2 that the update feed announced. Norrid deleted it and installed nothing.</source>
        <translation>Das Paket enthält Version %1, nicht die vom Update-Feed angekündigte %2. Norrid hat es gelöscht und nichts installiert.</translation>
    </message>
    <message>
        <source>The package holds version %1, which is not newer than this Norrid (%2): installing it would take Norrid back. Norrid deleted it and installed nothing.</source>
        <translation>Das Paket enthält Version %1, die nicht neuer als dieses Norrid (%2) ist: Die Installation würde Norrid auf einen älteren Stand bringen. Norrid hat es gelöscht und nichts installiert.</translation>
    </message>
    <message>
        <source>Norrid %1 was not installed. %2</source>
        <translation>Norrid %1 wurde nicht installiert. %2</translation>
    </message>
</context>
<context>
    <name>UpdateSession</name>
    <message>
        <source>The update feed gives no download link for Norrid %1.</source>
        <translation>Der Update-Feed nennt keinen Download-Link für Norrid %1.</translation>
    </message>
    <message>
        <source>Norrid did not open the download of version %1: its address (%2) is not a secure https link.</source>
        <translation>Norrid hat den Download von Version %1 nicht geöffnet: Seine Adresse (%2) ist kein sicherer https-Link.</translation>
    </message>
    <message>
        <source>Norrid could not open %1 in your browser.</source>
        <translation>Norrid konnte %1 nicht in Ihrem Browser öffnen.</translation>
    </message>
</context>
<context>
    <name>UpdateWindow</name>
    <message>
        <source>Release notes ↗</source>
        <translation>Versionshinweise ↗</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Diese Version überspringen</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Im Ordner anzeigen</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Später erinnern</translation>
    </message>
    <message>
        <source>Learn More…</source>
        <translation>Mehr erfahren…</translation>
    </message>
    <message>
        <source>Install Update</source>
        <translation>Update installieren</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>UpdateWindowController</name>
    <message>
        <source>Norrid %1 was downloaded and its signature checked, and your software installer has opened it: finish the installation there, then start Norrid again. The checked update is kept as %2.</source>
        <translation>Norrid %1 wurde heruntergeladen und seine Signatur geprüft, und Ihre Softwareverwaltung hat es geöffnet: Schließen Sie die Installation dort ab und starten Sie Norrid dann neu. Das geprüfte Update liegt unter %2.</translation>
    </message>
    <message>
        <source>Norrid %1 was downloaded and its signature checked, and %2 has opened it: finish the installation there, then start Norrid again. The checked update is kept as %3.</source>
        <translation>Norrid %1 wurde heruntergeladen und seine Signatur geprüft, und %2 hat es geöffnet: Schließen Sie die Installation dort ab und starten Sie Norrid dann neu. Das geprüfte Update liegt unter %3.</translation>
    </message>
    <message>
        <source>%1 of %2 MB</source>
        <translation>%1 von %2 MB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Suche nach Updates …</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>Norrid ist auf dem neuesten Stand!</translation>
    </message>
    <message>
        <source>A new version of Norrid is available!</source>
        <translation>Eine neue Version von Norrid ist verfügbar!</translation>
    </message>
    <message>
        <source>Downloading update…</source>
        <translation>Update wird heruntergeladen …</translation>
    </message>
    <message>
        <source>Ready to Install</source>
        <translation>Bereit zur Installation</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>Update-Fehler!</translation>
    </message>
    <message>
        <source>Norrid %1 is currently the newest version available.</source>
        <translation>Norrid %1 ist derzeit die neueste verfügbare Version.</translation>
    </message>
    <message>
        <source>Norrid %1 is now available — you have %2. Would you like to learn more about this update on the web?</source>
        <translation>Norrid %1 ist jetzt verfügbar – Sie haben %2. Möchten Sie im Web mehr über dieses Update erfahren?</translation>
    </message>
    <message>
        <source>Norrid %1 is now available — you have %2. Would you like to install it now?</source>
        <translation>Norrid %1 ist jetzt verfügbar – Sie haben %2. Möchten Sie es jetzt installieren?</translation>
    </message>
    <message>
        <source>Norrid %1 is now available — you have %2. Would you like to download it now?</source>
        <translation>Norrid %1 ist jetzt verfügbar – Sie haben %2. Möchten Sie es jetzt herunterladen?</translation>
    </message>
    <message>
        <source>Norrid %1 is being downloaded. Its signature is checked before it is installed.</source>
        <translation>Norrid %1 wird heruntergeladen. Seine Signatur wird vor der Installation geprüft.</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Softwareaktualisierung</translation>
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
        <translation>%1: 1 Vorgang</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n cards</source>
        <translation>
            <numerusform>%1: %n Vorgang</numerusform>
            <numerusform>%1: %n Vorgänge</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: loading…</source>
        <translation>%1: wird geladen…</translation>
    </message>
</context>
</TS>
