<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AppDelegate</name>
    <message>
        <source>Norrid runs in the tray, but this desktop shows none. On GNOME, turn on the AppIndicator extension; elsewhere, add a system tray or status notifier area to your panel.</source>
        <translation>Norrid s’exécute dans la zone de notification, mais ce bureau n’en affiche aucune. Sous GNOME, activez l’extension AppIndicator ; ailleurs, ajoutez une zone de notification (System Tray ou Status Notifier) à votre barre.</translation>
    </message>
    <message>
        <source>Updates for Norrid come from your system&apos;s package manager.</source>
        <translation>Les mises à jour de Norrid viennent du gestionnaire de paquets de votre système.</translation>
    </message>
</context>
<context>
    <name>AppSettings</name>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 est un dossier</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 ne peut pas être lu</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 est en lecture seule</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>Impossible d’écrire dans %1</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1.</source>
        <translation>Impossible d’enregistrer les paramètres : %1.</translation>
    </message>
</context>
<context>
    <name>AppcastParser</name>
    <message>
        <source>The update feed could not be read: %1 (line %2).</source>
        <translation>Impossible de lire le flux de mises à jour : %1 (ligne %2).</translation>
    </message>
    <message>
        <source>The update feed could not be read: it is empty.</source>
        <translation>Impossible de lire le flux de mises à jour : il est vide.</translation>
    </message>
    <message>
        <source>The update feed could not be read: it is not an RSS feed.</source>
        <translation>Impossible de lire le flux de mises à jour : ce n’est pas un flux RSS.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>norrid: %1
Try &apos;norrid --help&apos;.</source>
        <translation>norrid : %1
Essayez « norrid --help ».</translation>
    </message>
    <message>
        <source>Norrid is not running.</source>
        <translation>Norrid n’est pas lancé.</translation>
    </message>
    <message>
        <source>Watches one column of a Jira board from the tray. Without a command, starts Norrid (or opens the popover of the Norrid that runs).</source>
        <translation>Surveille une colonne d’un tableau Jira depuis la zone de notification. Sans commande, lance Norrid (ou ouvre le panneau du Norrid déjà lancé).</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Affiche cette aide.</translation>
    </message>
    <message>
        <source>Shows the version and the build number.</source>
        <translation>Affiche la version et le numéro de build.</translation>
    </message>
    <message>
        <source>Starts as at login: opens nothing if Norrid runs already.</source>
        <translation>Démarre comme à l’ouverture de session : n’ouvre rien si Norrid est déjà lancé.</translation>
    </message>
    <message>
        <source>status: one JSON object.</source>
        <translation>status : un objet JSON.</translation>
    </message>
    <message>
        <source>status: what waybar&apos;s custom module reads.</source>
        <translation>status : ce que lit le module personnalisé de waybar.</translation>
    </message>
    <message>
        <source>status: a new line on every change, until Norrid quits.</source>
        <translation>status : une nouvelle ligne à chaque changement, jusqu’à ce que Norrid quitte.</translation>
    </message>
    <message>
        <source>command</source>
        <translation>commande</translation>
    </message>
    <message>
        <source>status, refresh, popover (opens or closes it), settings, quit, or snooze 30m|1h|4h|tomorrow|off.</source>
        <translation>status, refresh, popover (l’ouvre ou le ferme), settings, quit ou snooze 30m|1h|4h|tomorrow|off.</translation>
    </message>
    <message>
        <source>[command]</source>
        <translation>[commande]</translation>
    </message>
    <message>
        <source>Norrid %1 (build %2)</source>
        <translation>Norrid %1 (build %2)</translation>
    </message>
    <message>
        <source>snooze takes 30m, 1h, 4h, tomorrow or off</source>
        <translation>snooze accepte 30m, 1h, 4h, tomorrow ou off</translation>
    </message>
    <message>
        <source>one command at a time</source>
        <translation>une seule commande à la fois</translation>
    </message>
    <message>
        <source>--json, --waybar and --follow go with the status command</source>
        <translation>--json, --waybar et --follow vont avec la commande status</translation>
    </message>
    <message>
        <source>--json or --waybar, not both</source>
        <translation>--json ou --waybar, pas les deux</translation>
    </message>
    <message>
        <source>unknown command “%1”</source>
        <translation>commande inconnue « %1 »</translation>
    </message>
</context>
<context>
    <name>ConnectionTest</name>
    <message numerus="yes">
        <source>%n in %1</source>
        <translation>
            <numerusform>%n dans %1</numerusform>
            <numerusform>%n dans %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>FeedUpdater</name>
    <message>
        <source>The update feed is larger than %1 KB, too large to be a feed; Norrid did not read it.</source>
        <translation>Le flux de mises à jour dépasse %1 Ko, c’est trop pour un flux ; Norrid ne l’a pas lu.</translation>
    </message>
    <message>
        <source>The update feed answered with HTTP %1 %2.</source>
        <translation>Le flux de mises à jour a répondu HTTP %1 %2.</translation>
    </message>
    <message numerus="yes">
        <source>The update feed did not answer within %n seconds.</source>
        <translation>
            <numerusform>Le flux de mises à jour n’a pas répondu en %n seconde.</numerusform>
            <numerusform>Le flux de mises à jour n’a pas répondu en %n secondes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Norrid could not reach the update feed: %1.</source>
        <translation>Norrid n’a pas pu joindre le flux de mises à jour : %1.</translation>
    </message>
</context>
<context>
    <name>FreedesktopNotificationCenter</name>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
</context>
<context>
    <name>InstallerHandoff</name>
    <message>
        <source>Your desktop has no application that installs Debian packages. The checked update is kept as %1. Install it from a terminal with: sudo apt install %1</source>
        <translation>Votre bureau n’a aucune application qui installe les paquets Debian. La mise à jour vérifiée est conservée dans %1. Installez-la depuis un terminal avec : sudo apt install %1</translation>
    </message>
    <message>
        <source>Your desktop has no application that installs this kind of file (%1). The checked update is kept as %2. Open it with your software installer.</source>
        <translation>Votre bureau n’a aucune application qui installe ce type de fichier (%1). La mise à jour vérifiée est conservée dans %2. Ouvrez-la avec votre gestionnaire de logiciels.</translation>
    </message>
    <message>
        <source>Your software installer (%1) did not open the update. The checked update is kept as %2. Open it with your software installer.</source>
        <translation>Votre gestionnaire de logiciels (%1) n’a pas ouvert la mise à jour. La mise à jour vérifiée est conservée dans %2. Ouvrez-la avec votre gestionnaire de logiciels.</translation>
    </message>
</context>
<context>
    <name>IssueListModel</name>
    <message>
        <source>1 card</source>
        <translation>1 ticket</translation>
    </message>
    <message numerus="yes">
        <source>%n cards</source>
        <translation>
            <numerusform>%n ticket</numerusform>
            <numerusform>%n tickets</numerusform>
        </translation>
    </message>
    <message>
        <source>No cards in this column.</source>
        <translation>Aucun ticket dans cette colonne.</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Chargement…</translation>
    </message>
    <message>
        <source>%1, %2, assigned to %3, updated %4</source>
        <comment>a card for screen readers: key, summary, assignee, age</comment>
        <translation>%1, %2, assigné à %3, mis à jour %4</translation>
    </message>
    <message>
        <source>%1, %2, assigned to %3</source>
        <comment>a card for screen readers: key, summary, assignee</comment>
        <translation>%1, %2, assigné à %3</translation>
    </message>
    <message>
        <source>%1, %2, updated %3</source>
        <comment>a card for screen readers: key, summary, age</comment>
        <translation>%1, %2, mis à jour %3</translation>
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
        <translation>Ouvre le ticket dans votre navigateur</translation>
    </message>
</context>
<context>
    <name>JiraError</name>
    <message>
        <source>Jira rejected the email/token (%1). Check your API token.</source>
        <translation>Jira a refusé l’adresse e-mail ou le jeton (%1). Vérifiez votre jeton d’API.</translation>
    </message>
    <message>
        <source>Jira rejected the email/token. Check your API token.</source>
        <translation>Jira a refusé l’adresse e-mail ou le jeton. Vérifiez votre jeton d’API.</translation>
    </message>
    <message>
        <source>Jira rejected the user name/password (%1). Check them, or sign in with a personal access token: paste it as the token and leave the email empty.</source>
        <translation>Jira a refusé le nom d’utilisateur ou le mot de passe (%1). Vérifiez-les, ou connectez-vous avec un jeton d’accès personnel : collez-le comme jeton et laissez l’adresse e-mail vide.</translation>
    </message>
    <message>
        <source>Jira rejected the user name/password. Check them, or sign in with a personal access token: paste it as the token and leave the email empty.</source>
        <translation>Jira a refusé le nom d’utilisateur ou le mot de passe. Vérifiez-les, ou connectez-vous avec un jeton d’accès personnel : collez-le comme jeton et laissez l’adresse e-mail vide.</translation>
    </message>
    <message>
        <source>Jira rejected the personal access token (%1). Check that it is complete and has not expired or been revoked.</source>
        <translation>Jira a refusé le jeton d’accès personnel (%1). Vérifiez qu’il est complet et qu’il n’a pas expiré ni été révoqué.</translation>
    </message>
    <message>
        <source>Jira rejected the personal access token. Check that it is complete and has not expired or been revoked.</source>
        <translation>Jira a refusé le jeton d’accès personnel. Vérifiez qu’il est complet et qu’il n’a pas expiré ni été révoqué.</translation>
    </message>
    <message>
        <source>Jira returned HTTP 429. Too many requests: Jira is rate limiting this account and asks to wait 1 second.</source>
        <translation>Jira a renvoyé HTTP 429. Trop de requêtes : Jira limite le débit de ce compte et demande d’attendre 1 seconde.</translation>
    </message>
    <message numerus="yes">
        <source>Jira returned HTTP 429. Too many requests: Jira is rate limiting this account and asks to wait %n seconds.</source>
        <translation>
            <numerusform>Jira a renvoyé HTTP 429. Trop de requêtes : Jira limite le débit de ce compte et demande d’attendre %n seconde.</numerusform>
            <numerusform>Jira a renvoyé HTTP 429. Trop de requêtes : Jira limite le débit de ce compte et demande d’attendre %n secondes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Jira returned HTTP 404 for %1. Check the board ID. Self-hosted Jira sites often live under a path such as /jira: enter the address you open Jira at, such as %2.</source>
        <translation>Jira a renvoyé HTTP 404 pour %1. Vérifiez l’ID du tableau. Les sites Jira auto-hébergés se trouvent souvent sous un chemin comme /jira : saisissez l’adresse à laquelle vous ouvrez Jira, par exemple %2.</translation>
    </message>
    <message>
        <source>Jira Cloud signs in with the email of your Atlassian account and an API token: enter your email. Personal access tokens work on Jira Data Center only.</source>
        <translation>Jira Cloud se connecte avec l’adresse e-mail de votre compte Atlassian et un jeton d’API : saisissez votre adresse e-mail. Les jetons d’accès personnels ne fonctionnent qu’avec Jira Data Center.</translation>
    </message>
    <message>
        <source>Jira returned HTTP 429. Too many requests: Jira is rate limiting this account for now. Norrid tries again at the next poll.</source>
        <translation>Jira a renvoyé HTTP 429. Trop de requêtes : Jira limite pour l’instant le débit de ce compte. Norrid réessaiera à la prochaine vérification.</translation>
    </message>
    <message>
        <source>Jira returned HTTP %1.</source>
        <translation>Jira a renvoyé HTTP %1.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read Jira&apos;s response: %1</source>
        <translation>Impossible de lire la réponse de Jira : %1</translation>
    </message>
    <message>
        <source>Not connected yet — add your email and API token.</source>
        <translation>Pas encore connecté — ajoutez votre adresse e-mail et votre jeton d’API.</translation>
    </message>
    <message>
        <source>The Jira site URL looks invalid.</source>
        <translation>L’URL du site Jira semble invalide.</translation>
    </message>
    <message>
        <source>The Jira site URL looks invalid. %1</source>
        <translation>L’URL du site Jira semble invalide. %1</translation>
    </message>
    <message>
        <source>This Jira site accepts only personal access tokens: its administrator turned off sign-in with a user name and password. In Jira, open your profile, then Personal Access Tokens, create one, paste it as the token in the settings and leave the email empty.</source>
        <translation>Ce site Jira n’accepte que les jetons d’accès personnels : son administrateur a désactivé la connexion par nom d’utilisateur et mot de passe. Dans Jira, ouvrez votre profil, puis « Jetons d’accès personnels », créez-en un, collez-le comme jeton dans les paramètres et laissez l’adresse e-mail vide.</translation>
    </message>
    <message>
        <source>Jira wants you to sign in once in your browser: after several failed logins it asks for a CAPTCHA, which Norrid cannot answer. Sign in to Jira, then choose Refresh Now.</source>
        <translation>Jira vous demande de vous connecter une fois dans votre navigateur : après plusieurs échecs de connexion, il exige un CAPTCHA auquel Norrid ne peut pas répondre. Connectez-vous à Jira, puis choisissez « Actualiser maintenant ».</translation>
    </message>
</context>
<context>
    <name>JiraRequest</name>
    <message>
        <source>The request to Jira timed out.</source>
        <translation>La requête à Jira a expiré.</translation>
    </message>
    <message>
        <source>The request to Jira was cancelled.</source>
        <translation>La requête à Jira a été annulée.</translation>
    </message>
    <message>
        <source>The certificate of the Jira site is not trusted (%1). Norrid sends your credentials only to a site whose certificate your system trusts.</source>
        <translation>Le certificat du site Jira n’est pas approuvé (%1). Norrid n’envoie vos identifiants qu’à un site dont le certificat est approuvé par votre système.</translation>
    </message>
    <message>
        <source>No HTTP response from Jira.</source>
        <translation>Aucune réponse HTTP de Jira.</translation>
    </message>
    <message>
        <source>Jira redirected the request to an address that is not secure (%1). Norrid sends your credentials over HTTPS only.</source>
        <translation>Jira a redirigé la requête vers une adresse non sécurisée (%1). Norrid n’envoie vos identifiants qu’en HTTPS.</translation>
    </message>
    <message>
        <source>Jira redirected the request to another site (%1). If your Jira site has moved, enter its new address.</source>
        <translation>Jira a redirigé la requête vers un autre site (%1). Si votre site Jira a déménagé, saisissez sa nouvelle adresse.</translation>
    </message>
    <message>
        <source>Jira redirected the request too many times.</source>
        <translation>Jira a redirigé la requête trop de fois.</translation>
    </message>
</context>
<context>
    <name>JiraSite</name>
    <message>
        <source>Norrid connects only to an https:// address, such as https://your-team.atlassian.net.</source>
        <translation>Norrid ne se connecte qu’à une adresse https://, par exemple https://your-team.atlassian.net.</translation>
    </message>
    <message>
        <source>It holds a user name or an “@” before the host; enter only the site&apos;s address, such as https://your-team.atlassian.net.</source>
        <translation>Elle contient un nom d’utilisateur ou un « @ » avant l’hôte ; saisissez uniquement l’adresse du site, par exemple https://your-team.atlassian.net.</translation>
    </message>
    <message>
        <source>It names no host; enter the site&apos;s address, such as https://your-team.atlassian.net.</source>
        <translation>Elle n’indique aucun hôte ; saisissez l’adresse du site, par exemple https://your-team.atlassian.net.</translation>
    </message>
</context>
<context>
    <name>KeyringText</name>
    <message>
        <source>Keyring locked</source>
        <translation>Trousseau de clés verrouillé</translation>
    </message>
    <message>
        <source>Your keyring is locked, so the Jira API token cannot be read. Once the keyring is unlocked, Norrid connects again without asking for the token.</source>
        <translation>Votre trousseau de clés est verrouillé : le jeton d’API Jira ne peut donc pas être lu. Dès que le trousseau sera déverrouillé, Norrid se reconnectera sans redemander le jeton.</translation>
    </message>
    <message>
        <source>Your keyring is locked, so the Jira API token is not stored yet. Norrid keeps it in memory and stores it once the keyring is unlocked.</source>
        <translation>Votre trousseau de clés est verrouillé : le jeton d’API Jira n’est donc pas encore enregistré. Norrid le garde en mémoire et l’enregistrera dès que le trousseau sera déverrouillé.</translation>
    </message>
    <message>
        <source>Your keyring is locked, so the old Jira API token is still stored. Norrid deletes it once the keyring is unlocked.</source>
        <translation>Votre trousseau de clés est verrouillé : l’ancien jeton d’API Jira est donc toujours enregistré. Norrid le supprimera dès que le trousseau sera déverrouillé.</translation>
    </message>
    <message>
        <source>keyring locked; connects once the keyring is unlocked</source>
        <translation>trousseau verrouillé ; connexion dès que le trousseau sera déverrouillé</translation>
    </message>
    <message>
        <source>keyring locked; stores the token once the keyring is unlocked</source>
        <translation>trousseau verrouillé ; enregistrement du jeton dès que le trousseau sera déverrouillé</translation>
    </message>
    <message>
        <source>keyring locked; deletes the old token once the keyring is unlocked</source>
        <translation>trousseau verrouillé ; suppression de l’ancien jeton dès que le trousseau sera déverrouillé</translation>
    </message>
    <message>
        <source>No keyring</source>
        <translation>Aucun trousseau de clés</translation>
    </message>
    <message>
        <source>This desktop runs no keyring (a Secret Service such as GNOME Keyring or KWallet), so the Jira API token cannot be read. Once a keyring runs, Norrid connects again without asking for the token.</source>
        <translation>Ce bureau n’exécute aucun trousseau de clés (un Secret Service comme GNOME Keyring ou KWallet) : le jeton d’API Jira ne peut donc pas être lu. Dès qu’un trousseau de clés sera lancé, Norrid se reconnectera sans redemander le jeton.</translation>
    </message>
    <message>
        <source>This desktop runs no keyring (a Secret Service such as GNOME Keyring or KWallet), so the Jira API token is not stored yet. Norrid keeps it in memory and stores it once a keyring runs.</source>
        <translation>Ce bureau n’exécute aucun trousseau de clés (un Secret Service comme GNOME Keyring ou KWallet) : le jeton d’API Jira n’est donc pas encore enregistré. Norrid le garde en mémoire et l’enregistrera dès qu’un trousseau de clés sera lancé.</translation>
    </message>
    <message>
        <source>This desktop runs no keyring (a Secret Service such as GNOME Keyring or KWallet), so the old Jira API token is still stored. Norrid deletes it once a keyring runs.</source>
        <translation>Ce bureau n’exécute aucun trousseau de clés (un Secret Service comme GNOME Keyring ou KWallet) : l’ancien jeton d’API Jira est donc toujours enregistré. Norrid le supprimera dès qu’un trousseau de clés sera lancé.</translation>
    </message>
    <message>
        <source>no keyring; connects once a keyring runs</source>
        <translation>aucun trousseau ; connexion dès qu’un trousseau de clés sera lancé</translation>
    </message>
    <message>
        <source>no keyring; stores the token once a keyring runs</source>
        <translation>aucun trousseau ; enregistrement du jeton dès qu’un trousseau de clés sera lancé</translation>
    </message>
    <message>
        <source>no keyring; deletes the old token once a keyring runs</source>
        <translation>aucun trousseau ; suppression de l’ancien jeton dès qu’un trousseau de clés sera lancé</translation>
    </message>
    <message>
        <source>Keyring not reachable</source>
        <translation>Trousseau de clés injoignable</translation>
    </message>
    <message>
        <source>Norrid cannot reach your system keyring, so the Jira API token cannot be read. Once the keyring answers, Norrid connects again without asking for the token.</source>
        <translation>Norrid ne parvient pas à joindre le trousseau de clés de votre système : le jeton d’API Jira ne peut donc pas être lu. Dès que le trousseau répondra, Norrid se reconnectera sans redemander le jeton.</translation>
    </message>
    <message>
        <source>Norrid cannot reach your system keyring, so the Jira API token is not stored yet. Norrid keeps it in memory and stores it once the keyring answers.</source>
        <translation>Norrid ne parvient pas à joindre le trousseau de clés de votre système : le jeton d’API Jira n’est donc pas encore enregistré. Norrid le garde en mémoire et l’enregistrera dès que le trousseau répondra.</translation>
    </message>
    <message>
        <source>Norrid cannot reach your system keyring, so the old Jira API token is still stored. Norrid deletes it once the keyring answers.</source>
        <translation>Norrid ne parvient pas à joindre le trousseau de clés de votre système : l’ancien jeton d’API Jira est donc toujours enregistré. Norrid le supprimera dès que le trousseau répondra.</translation>
    </message>
    <message>
        <source>keyring not reachable; connects once the keyring answers</source>
        <translation>trousseau injoignable ; connexion dès que le trousseau répondra</translation>
    </message>
    <message>
        <source>keyring not reachable; stores the token once the keyring answers</source>
        <translation>trousseau injoignable ; enregistrement du jeton dès que le trousseau répondra</translation>
    </message>
    <message>
        <source>keyring not reachable; deletes the old token once the keyring answers</source>
        <translation>trousseau injoignable ; suppression de l’ancien jeton dès que le trousseau répondra</translation>
    </message>
</context>
<context>
    <name>MessageView</name>
    <message>
        <source>Open Settings</source>
        <translation>Ouvrir les paramètres</translation>
    </message>
</context>
<context>
    <name>NotificationManager</name>
    <message>
        <source>Ready for review</source>
        <translation>Prêt pour la revue</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message numerus="yes">
        <source>%n cards ready for review</source>
        <translation>
            <numerusform>%n ticket prêt pour la revue</numerusform>
            <numerusform>%n tickets prêts pour la revue</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Board</source>
        <translation>Ouvrir le tableau</translation>
    </message>
    <message>
        <source>CLS-0000 · Test Ping</source>
        <translation>CLS-0000 · Notification de test</translation>
    </message>
    <message>
        <source>This is how a new review card will look and sound.</source>
        <translation>Voici l’aspect et le son d’un nouveau ticket à relire.</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Mise à jour disponible</translation>
    </message>
    <message>
        <source>Norrid %1 is ready to install. Click to update.</source>
        <translation>Norrid %1 est prêt à être installé. Cliquez pour mettre à jour.</translation>
    </message>
    <message>
        <source>Norrid has no tray</source>
        <translation>Norrid n’a pas de zone de notification</translation>
    </message>
    <message>
        <source>Ready for review in %1</source>
        <translation>Prêt pour la revue dans %1</translation>
    </message>
    <message numerus="yes">
        <source>%n cards ready for review in %1</source>
        <translation>
            <numerusform>%n ticket prêt pour la revue dans %1</numerusform>
            <numerusform>%n tickets prêts pour la revue dans %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PauseNote</name>
    <message>
        <source>Checking is paused: Norrid tries again at %1, or as soon as you choose Refresh Now after signing in.</source>
        <translation>La vérification est en pause : Norrid réessaiera à %1, ou dès que vous choisirez « Actualiser maintenant » après vous être connecté.</translation>
    </message>
    <message>
        <source>Checking is paused: Norrid tries again at %1, or as soon as the email or token changes.</source>
        <translation>La vérification est en pause : Norrid réessaiera à %1, ou dès que l’adresse e-mail ou le jeton changera.</translation>
    </message>
    <message>
        <source>Checking is paused: Norrid tries again at %1, or as soon as the user name or password changes.</source>
        <translation>La vérification est en pause : Norrid réessaiera à %1, ou dès que le nom d’utilisateur ou le mot de passe changera.</translation>
    </message>
    <message>
        <source>Checking is paused: Norrid tries again at %1, or as soon as the token changes. Personal access tokens expire; if yours has, create a new one.</source>
        <translation>La vérification est en pause : Norrid réessaiera à %1, ou dès que le jeton changera. Les jetons d’accès personnels expirent ; si le vôtre a expiré, créez-en un nouveau.</translation>
    </message>
    <message>
        <source>Checking is paused: Norrid tries again at %1, or as soon as the email or token changes. API tokens expire; if yours has, create a new one.</source>
        <translation>La vérification est en pause : Norrid réessaiera à %1, ou dès que l’adresse e-mail ou le jeton changera. Les jetons d’API expirent ; si le vôtre a expiré, créez-en un nouveau.</translation>
    </message>
</context>
<context>
    <name>PopoverContent</name>
    <message numerus="yes">
        <source>%n cards to review</source>
        <translation>
            <numerusform>%n ticket à relire</numerusform>
            <numerusform>%n tickets à relire</numerusform>
        </translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>Connection problem</source>
        <translation>Problème de connexion</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>Mis à jour %1</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Chargement…</translation>
    </message>
    <message>
        <source>Connect to Jira</source>
        <translation>Se connecter à Jira</translation>
    </message>
    <message>
        <source>Add your Jira email and API token to start watching the To review column.</source>
        <translation>Ajoutez votre adresse e-mail Jira et votre jeton d’API pour commencer à surveiller la colonne « À relire ».</translation>
    </message>
    <message>
        <source>Version %1 is available</source>
        <translation>La version %1 est disponible</translation>
    </message>
    <message>
        <source>Download and install Norrid %1</source>
        <translation>Télécharger et installer Norrid %1</translation>
    </message>
    <message>
        <source>Norrid %1 is available. Install the update.</source>
        <translation>Norrid %1 est disponible. Installez la mise à jour.</translation>
    </message>
</context>
<context>
    <name>PopoverView</name>
    <message>
        <source>To review</source>
        <translation>À relire</translation>
    </message>
    <message>
        <source>Open the board in your browser</source>
        <translation>Ouvrir le tableau dans votre navigateur</translation>
    </message>
    <message>
        <source>Open board in browser</source>
        <translation>Ouvrir le tableau dans le navigateur</translation>
    </message>
    <message>
        <source>Refresh now</source>
        <translation>Actualiser maintenant</translation>
    </message>
    <message>
        <source>Nothing to review</source>
        <translation>Rien à relire</translation>
    </message>
    <message>
        <source>You&apos;re all caught up.
New cards in To review show up here and notify you.</source>
        <translation>Vous êtes à jour.
Les nouveaux tickets de « À relire » s’affichent ici et vous sont notifiés.</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach Jira</source>
        <translation>Impossible de joindre Jira</translation>
    </message>
    <message>
        <source>Sign In to Jira…</source>
        <translation>Se connecter à Jira…</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Ouvrir les paramètres</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Chargement…</translation>
    </message>
    <message>
        <source>Install…</source>
        <translation>Installer…</translation>
    </message>
    <message>
        <source>Notifications are off for Norrid</source>
        <translation>Les notifications de Norrid sont désactivées</translation>
    </message>
    <message>
        <source>Enable…</source>
        <translation>Activer…</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s notification settings</source>
        <translation>Ouvrir les paramètres de notification du bureau</translation>
    </message>
    <message>
        <source>Notifications are off for Norrid. Enable them in your desktop&apos;s settings to get pinged about new cards.</source>
        <translation>Les notifications de Norrid sont désactivées. Activez-les dans les paramètres de votre bureau pour être averti des nouveaux tickets.</translation>
    </message>
    <message>
        <source>Sign In…</source>
        <translation>Se connecter…</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Paramètres…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Quit Norrid</source>
        <translation>Quitter Norrid</translation>
    </message>
</context>
<context>
    <name>QuickFilterChoice</name>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>This board has no quick filters.</source>
        <translation>Ce tableau n’a aucun filtre rapide.</translation>
    </message>
</context>
<context>
    <name>QuickScene</name>
    <message>
        <source>Norrid cannot open its window because a part of the application is missing or damaged. Reinstall Norrid.

%1</source>
        <translation>Norrid ne peut pas ouvrir sa fenêtre, car une partie de l’application est manquante ou endommagée. Réinstallez Norrid.

%1</translation>
    </message>
</context>
<context>
    <name>RelativeTime</name>
    <message numerus="yes">
        <source>%Ln min. ago</source>
        <translation>
            <numerusform>il y a %Ln min</numerusform>
            <numerusform>il y a %Ln min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln min.</source>
        <translation>
            <numerusform>dans %Ln min</numerusform>
            <numerusform>dans %Ln min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln hr. ago</source>
        <translation>
            <numerusform>il y a %Ln h</numerusform>
            <numerusform>il y a %Ln h</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln hr.</source>
        <translation>
            <numerusform>dans %Ln h</numerusform>
            <numerusform>dans %Ln h</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days ago</source>
        <translation>
            <numerusform>il y a %Ln jour</numerusform>
            <numerusform>il y a %Ln jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day ago</source>
        <translation>
            <numerusform>il y a %Ln jour</numerusform>
            <numerusform>il y a %Ln jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln days</source>
        <translation>
            <numerusform>dans %Ln jour</numerusform>
            <numerusform>dans %Ln jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln day</source>
        <translation>
            <numerusform>dans %Ln jour</numerusform>
            <numerusform>dans %Ln jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln wk. ago</source>
        <translation>
            <numerusform>il y a %Ln sem.</numerusform>
            <numerusform>il y a %Ln sem.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln wk.</source>
        <translation>
            <numerusform>dans %Ln sem.</numerusform>
            <numerusform>dans %Ln sem.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln mo. ago</source>
        <translation>
            <numerusform>il y a %Ln mois</numerusform>
            <numerusform>il y a %Ln mois</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln mo.</source>
        <translation>
            <numerusform>dans %Ln mois</numerusform>
            <numerusform>dans %Ln mois</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln yr. ago</source>
        <translation>
            <numerusform>il y a %Ln an</numerusform>
            <numerusform>il y a %Ln ans</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln yr.</source>
        <translation>
            <numerusform>dans %Ln an</numerusform>
            <numerusform>dans %Ln ans</numerusform>
        </translation>
    </message>
    <message>
        <source>just now</source>
        <translation>à l’instant</translation>
    </message>
</context>
<context>
    <name>ReviewMonitor</name>
    <message>
        <source>This column needs a board and a status. Add them in Settings.</source>
        <translation>Cette colonne a besoin d’un tableau et d’un statut. Ajoutez-les dans les paramètres.</translation>
    </message>
    <message>
        <source>%1 Norrid tries again at %2.</source>
        <translation>%1 Norrid réessaiera à %2.</translation>
    </message>
</context>
<context>
    <name>SettingsDraft</name>
    <message>
        <source>Norrid could not set itself to start at login.</source>
        <translation>Norrid n’a pas pu se configurer pour démarrer à l’ouverture de session.</translation>
    </message>
    <message>
        <source>Norrid could not stop starting at login.</source>
        <translation>Norrid n’a pas pu désactiver son démarrage à l’ouverture de session.</translation>
    </message>
</context>
<context>
    <name>SettingsForm</name>
    <message>
        <source>Filled in from the board address you pasted.</source>
        <translation>Repris de l’adresse du tableau que vous avez collée.</translation>
    </message>
    <message>
        <source>New column</source>
        <translation>Nouvelle colonne</translation>
    </message>
    <message>
        <source>Connected to %1 — %2</source>
        <translation>Connecté à %1 — %2</translation>
    </message>
    <message>
        <source>Connected — %1</source>
        <translation>Connecté — %1</translation>
    </message>
    <message numerus="yes">
        <source>Connected to %1 — %n in %2</source>
        <translation>
            <numerusform>Connecté à %1 — %n dans %2</numerusform>
            <numerusform>Connecté à %1 — %n dans %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Connected — %n in %1</source>
        <translation>
            <numerusform>Connecté — %n dans %1</numerusform>
            <numerusform>Connecté — %n dans %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 secondes</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minute</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <translation>2 minutes</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minutes</translation>
    </message>
    <message>
        <source>Create a personal access token…</source>
        <translation>Créer un jeton d’accès personnel…</translation>
    </message>
    <message>
        <source>Create an API token…</source>
        <translation>Créer un jeton d’API…</translation>
    </message>
    <message>
        <source>Norrid reads Jira at %1.</source>
        <translation>Norrid lit Jira à l’adresse %1.</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Jira connection</source>
        <translation>Connexion à Jira</translation>
    </message>
    <message>
        <source>Site URL</source>
        <translation>URL du site</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>you@company.com</source>
        <translation>vous@entreprise.fr</translation>
    </message>
    <message>
        <source>On Jira Data Center, your user name — or leave it empty to sign in with a personal access token.</source>
        <translation>Sur Jira Data Center, votre nom d’utilisateur — ou laissez ce champ vide pour vous connecter avec un jeton d’accès personnel.</translation>
    </message>
    <message>
        <source>API token</source>
        <translation>Jeton d’API</translation>
    </message>
    <message>
        <source>Paste your API token or personal access token</source>
        <translation>Collez votre jeton d’API ou votre jeton d’accès personnel</translation>
    </message>
    <message>
        <source>An API token for Jira Cloud, or a personal access token for Jira Data Center.</source>
        <translation>Un jeton d’API pour Jira Cloud, ou un jeton d’accès personnel pour Jira Data Center.</translation>
    </message>
    <message>
        <source>Stored in your system keyring — never in plain text.</source>
        <translation>Stocké dans le trousseau de clés de votre système — jamais en clair.</translation>
    </message>
    <message>
        <source>What to watch</source>
        <translation>À surveiller</translation>
    </message>
    <message>
        <source>Watched columns</source>
        <translation>Colonnes surveillées</translation>
    </message>
    <message>
        <source>Board ID</source>
        <translation>ID du tableau</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
    <message>
        <source>To review</source>
        <translation>À relire</translation>
    </message>
    <message>
        <source>Team quick filter</source>
        <translation>Filtre rapide</translation>
    </message>
    <message>
        <source>The quick-filter chips from the top of your board. Picking one applies the same filtering the web board does.</source>
        <translation>Les filtres rapides en haut de votre tableau. En choisir un applique le même filtrage que le tableau dans le navigateur.</translation>
    </message>
    <message>
        <source>Load team filters from board</source>
        <translation>Charger les filtres d’équipe du tableau</translation>
    </message>
    <message>
        <source>Team filter (JQL)</source>
        <translation>Filtre d’équipe</translation>
    </message>
    <message>
        <source>optional, e.g. labels = team-f</source>
        <translation>facultatif, p. ex. labels = team-f</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>optional, shown instead of the status</source>
        <translation>facultatif, affiché à la place du statut</translation>
    </message>
    <message>
        <source>Column name</source>
        <translation>Nom de la colonne</translation>
    </message>
    <message>
        <source>Status is the exact Jira status behind your column. The team filter narrows a shared board to your team — pick a quick filter above to fill it automatically, or write your own JQL.</source>
        <translation>Le statut est le statut Jira exact derrière votre colonne. Le filtre d’équipe restreint un tableau partagé à votre équipe — choisissez un filtre rapide ci-dessus pour le remplir automatiquement, ou écrivez votre propre JQL.</translation>
    </message>
    <message>
        <source>Add Column</source>
        <translation>Ajouter une colonne</translation>
    </message>
    <message>
        <source>Watch another status or board on the same connection (up to 8 columns).</source>
        <translation>Surveiller un autre statut ou tableau avec la même connexion (jusqu’à 8 colonnes).</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Notifications</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Notification sound</source>
        <translation>Son de notification</translation>
    </message>
    <message>
        <source>Send test notification</source>
        <translation>Envoyer une notification de test</translation>
    </message>
    <message>
        <source>Posts a sample banner with the selected sound so you can preview it.</source>
        <translation>Affiche une notification d’exemple avec le son choisi pour que vous puissiez l’écouter.</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Check every</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>Check interval</source>
        <translation>Intervalle de vérification</translation>
    </message>
    <message>
        <source>Tray icon</source>
        <translation>Icône</translation>
    </message>
    <message>
        <source>Light suits a dark panel, Dark a light one. Automatic follows the desktop&apos;s colour scheme.</source>
        <translation>Clair convient à une barre sombre, Sombre à une barre claire. Automatique suit le jeu de couleurs du bureau.</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Lancer à l’ouverture de session</translation>
    </message>
    <message>
        <source>Start Norrid automatically when you log in.</source>
        <translation>Démarrer Norrid automatiquement à l’ouverture de votre session.</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Mises à jour</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Rechercher les mises à jour automatiquement</translation>
    </message>
    <message>
        <source>Looks for a new version once a day. You get a notification and a banner in the app when one is ready.</source>
        <translation>Recherche une nouvelle version une fois par jour. Quand une version est prête, vous recevez une notification et un bandeau dans l’application.</translation>
    </message>
    <message>
        <source>Check for Updates Now</source>
        <translation>Rechercher les mises à jour maintenant</translation>
    </message>
    <message>
        <source>Contacts the update feed and offers any newer version right away.</source>
        <translation>Interroge le flux de mises à jour et propose aussitôt toute version plus récente.</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Copier les diagnostics</translation>
    </message>
    <message>
        <source>Copies what a bug report needs: versions, the desktop, the tray, the keyring and the last poll. Never the token, the email or a card&apos;s text.</source>
        <translation>Copie ce dont un rapport de bogue a besoin : versions, bureau, zone de notification, trousseau de clés et dernière vérification. Jamais le jeton, l’adresse e-mail ni le texte d’un ticket.</translation>
    </message>
    <message>
        <source>Test connection</source>
        <translation>Tester la connexion</translation>
    </message>
    <message>
        <source>Sign In…</source>
        <translation>Se connecter…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>SettingsWindowController</name>
    <message>
        <source>Norrid Settings</source>
        <translation>Paramètres de Norrid</translation>
    </message>
</context>
<context>
    <name>StateReport</name>
    <message>
        <source>1 card</source>
        <translation>1 ticket</translation>
    </message>
    <message numerus="yes">
        <source>%n cards</source>
        <translation>
            <numerusform>%n ticket</numerusform>
            <numerusform>%n tickets</numerusform>
        </translation>
    </message>
    <message>
        <source>1 card in %1</source>
        <translation>1 ticket dans %1</translation>
    </message>
    <message numerus="yes">
        <source>%n cards in %1</source>
        <translation>
            <numerusform>%n ticket dans %1</numerusform>
            <numerusform>%n tickets dans %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Loading the cards in %1…</source>
        <translation>Chargement des tickets de %1…</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1 (notifications snoozed until %2)</source>
        <translation>%1 (notifications suspendues jusqu’à %2)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusPresentation</name>
    <message>
        <source>Norrid — update available</source>
        <translation>Norrid — mise à jour disponible</translation>
    </message>
    <message>
        <source>Norrid — %1</source>
        <translation>Norrid — %1</translation>
    </message>
    <message>
        <source>Norrid — needs setup</source>
        <translation>Norrid — configuration requise</translation>
    </message>
    <message>
        <source>Norrid — cards in %1</source>
        <translation>Norrid — tickets dans %1</translation>
    </message>
    <message numerus="yes">
        <source>%n cards to review</source>
        <translation>
            <numerusform>%n ticket à relire</numerusform>
            <numerusform>%n tickets à relire</numerusform>
        </translation>
    </message>
    <message>
        <source>Notifications snoozed until %1</source>
        <translation>Notifications suspendues jusqu’à %1</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Show Cards</source>
        <translation>Afficher les tickets</translation>
    </message>
    <message>
        <source>Refresh Now</source>
        <translation>Actualiser maintenant</translation>
    </message>
    <message>
        <source>Open Board in Browser</source>
        <translation>Ouvrir le tableau dans le navigateur</translation>
    </message>
    <message>
        <source>Snooze Notifications</source>
        <translation>Suspendre les notifications</translation>
    </message>
    <message>
        <source>30 Minutes</source>
        <translation>30 minutes</translation>
    </message>
    <message>
        <source>1 Hour</source>
        <translation>1 heure</translation>
    </message>
    <message>
        <source>4 Hours</source>
        <translation>4 heures</translation>
    </message>
    <message>
        <source>Until Tomorrow</source>
        <translation>Jusqu’à demain</translation>
    </message>
    <message>
        <source>Resume Notifications</source>
        <translation>Reprendre les notifications</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Paramètres…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Rechercher des mises à jour…</translation>
    </message>
    <message>
        <source>Quit Norrid</source>
        <translation>Quitter Norrid</translation>
    </message>
</context>
<context>
    <name>UpdateDownloader</name>
    <message>
        <source>The download was redirected to %1, which is not a secure https link, so Norrid stopped it.</source>
        <translation>Le téléchargement a été redirigé vers %1, qui n’est pas un lien https sécurisé ; Norrid l’a donc arrêté.</translation>
    </message>
    <message>
        <source>The update&apos;s address (%1) is not a secure https link, so Norrid did not download it.</source>
        <translation>L’adresse de la mise à jour (%1) n’est pas un lien https sécurisé ; Norrid ne l’a donc pas téléchargée.</translation>
    </message>
    <message>
        <source>Norrid could not save the update in %1: %2.</source>
        <translation>Norrid n’a pas pu enregistrer la mise à jour dans %1 : %2.</translation>
    </message>
    <message>
        <source>The download&apos;s size differs from what the update feed announced (%1 bytes instead of %2), so Norrid stopped it.</source>
        <translation>La taille du téléchargement diffère de celle annoncée par le flux de mises à jour (%1 octets au lieu de %2) ; Norrid l’a donc arrêté.</translation>
    </message>
    <message>
        <source>The download is larger than the %1 MB the update feed announced, so Norrid stopped it.</source>
        <translation>Le téléchargement dépasse les %1 Mo annoncés par le flux de mises à jour ; Norrid l’a donc arrêté.</translation>
    </message>
    <message>
        <source>The download is larger than %1 MB, so Norrid stopped it.</source>
        <translation>Le téléchargement dépasse %1 Mo ; Norrid l’a donc arrêté.</translation>
    </message>
    <message>
        <source>Norrid could not save the update: %1.</source>
        <translation>Norrid n’a pas pu enregistrer la mise à jour : %1.</translation>
    </message>
    <message>
        <source>The download server answered with HTTP %1 %2.</source>
        <translation>Le serveur de téléchargement a répondu HTTP %1 %2.</translation>
    </message>
    <message numerus="yes">
        <source>The download server stopped answering for %n seconds.</source>
        <translation>
            <numerusform>Le serveur de téléchargement n’a plus répondu pendant %n seconde.</numerusform>
            <numerusform>Le serveur de téléchargement n’a plus répondu pendant %n secondes.</numerusform>
        </translation>
    </message>
    <message>
        <source>The download broke off: %1.</source>
        <translation>Le téléchargement s’est interrompu : %1.</translation>
    </message>
    <message>
        <source>The download is incomplete: %1 of the %2 bytes the update feed announced arrived.</source>
        <translation>Le téléchargement est incomplet : %1 des %2 octets annoncés par le flux de mises à jour sont arrivés.</translation>
    </message>
</context>
<context>
    <name>UpdateInstaller</name>
    <message>
        <source>The update feed gives no signature for this download, so Norrid cannot tell whether it really comes from Norrid&apos;s publisher, and did not download it.</source>
        <translation>Le flux de mises à jour ne donne aucune signature pour ce téléchargement : Norrid ne peut donc pas savoir s’il provient vraiment de l’éditeur de Norrid, et ne l’a pas téléchargé.</translation>
    </message>
    <message>
        <source>Norrid could not create its download folder %1.</source>
        <translation>Norrid n’a pas pu créer son dossier de téléchargement %1.</translation>
    </message>
    <message>
        <source>The download does not carry the signature of Norrid&apos;s publisher: it was damaged or altered on the way, or signed by someone else. Norrid deleted it and installed nothing.</source>
        <translation>Le téléchargement ne porte pas la signature de l’éditeur de Norrid : il a été endommagé ou modifié en route, ou signé par quelqu’un d’autre. Norrid l’a supprimé et n’a rien installé.</translation>
    </message>
    <message>
        <source>The update feed&apos;s signature for this download is damaged, so Norrid cannot check it. Norrid deleted the download and installed nothing.</source>
        <translation>La signature donnée par le flux de mises à jour pour ce téléchargement est endommagée : Norrid ne peut donc pas le vérifier. Norrid a supprimé le téléchargement et n’a rien installé.</translation>
    </message>
    <message>
        <source>This copy of Norrid has a damaged key for checking updates, so it cannot install them. Install the new version from Norrid&apos;s website instead.</source>
        <translation>Cette copie de Norrid a une clé de vérification des mises à jour endommagée : elle ne peut donc pas les installer. Installez plutôt la nouvelle version depuis le site web de Norrid.</translation>
    </message>
    <message>
        <source>Norrid could not read the download back to check it.</source>
        <translation>Norrid n’a pas pu relire le téléchargement pour le vérifier.</translation>
    </message>
    <message>
        <source>Norrid could not save the update as %1.</source>
        <translation>Norrid n’a pas pu enregistrer la mise à jour sous %1.</translation>
    </message>
    <message>
        <source>The download is not a Debian package Norrid can read. Norrid deleted it and installed nothing.</source>
        <translation>Le téléchargement n’est pas un paquet Debian que Norrid peut lire. Norrid l’a supprimé et n’a rien installé.</translation>
    </message>
    <message>
        <source>The package holds version %1, not the %2 that the update feed announced. Norrid deleted it and installed nothing.</source>
        <translation>Le paquet contient la version %1, et non la %2 annoncée par le flux de mises à jour. Norrid l’a supprimé et n’a rien installé.</translation>
    </message>
    <message>
        <source>The package holds version %1, which is not newer than this Norrid (%2): installing it would take Norrid back. Norrid deleted it and installed nothing.</source>
        <translation>Le paquet contient la version %1, qui n’est pas plus récente que ce Norrid (%2) : l’installer ferait revenir Norrid en arrière. Norrid l’a supprimé et n’a rien installé.</translation>
    </message>
    <message>
        <source>Norrid %1 was not installed. %2</source>
        <translation>Norrid %1 n’a pas été installé. %2</translation>
    </message>
</context>
<context>
    <name>UpdateSession</name>
    <message>
        <source>The update feed gives no download link for Norrid %1.</source>
        <translation>Le flux de mises à jour ne donne aucun lien de téléchargement pour Norrid %1.</translation>
    </message>
    <message>
        <source>Norrid did not open the download of version %1: its address (%2) is not a secure https link.</source>
        <translation>Norrid n’a pas ouvert le téléchargement de la version %1 : son adresse (%2) n’est pas un lien https sécurisé.</translation>
    </message>
    <message>
        <source>Norrid could not open %1 in your browser.</source>
        <translation>Norrid n’a pas pu ouvrir %1 dans votre navigateur.</translation>
    </message>
</context>
<context>
    <name>UpdateWindow</name>
    <message>
        <source>Release notes ↗</source>
        <translation>Notes de version ↗</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Ignorer cette version</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Afficher dans le dossier</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Me le rappeler plus tard</translation>
    </message>
    <message>
        <source>Learn More…</source>
        <translation>En savoir plus…</translation>
    </message>
    <message>
        <source>Install Update</source>
        <translation>Installer la mise à jour</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Norrid %1 a été téléchargé et sa signature vérifiée, et votre gestionnaire de logiciels l’a ouvert : terminez l’installation dans celui-ci, puis relancez Norrid. La mise à jour vérifiée est conservée dans %2.</translation>
    </message>
    <message>
        <source>Norrid %1 was downloaded and its signature checked, and %2 has opened it: finish the installation there, then start Norrid again. The checked update is kept as %3.</source>
        <translation>Norrid %1 a été téléchargé et sa signature vérifiée, et %2 l’a ouvert : terminez l’installation dans celui-ci, puis relancez Norrid. La mise à jour vérifiée est conservée dans %3.</translation>
    </message>
    <message>
        <source>%1 of %2 MB</source>
        <translation>%1 sur %2 Mo</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Recherche de mises à jour…</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>Vous êtes à jour !</translation>
    </message>
    <message>
        <source>A new version of Norrid is available!</source>
        <translation>Une nouvelle version de Norrid est disponible !</translation>
    </message>
    <message>
        <source>Downloading update…</source>
        <translation>Téléchargement de la mise à jour…</translation>
    </message>
    <message>
        <source>Ready to Install</source>
        <translation>Prêt à installer</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>Erreur de mise à jour !</translation>
    </message>
    <message>
        <source>Norrid %1 is currently the newest version available.</source>
        <translation>Norrid %1 est actuellement la version la plus récente.</translation>
    </message>
    <message>
        <source>Norrid %1 is now available — you have %2. Would you like to learn more about this update on the web?</source>
        <translation>Norrid %1 est disponible — vous avez la version %2. Voulez-vous en savoir plus sur cette mise à jour sur le web ?</translation>
    </message>
    <message>
        <source>Norrid %1 is now available — you have %2. Would you like to install it now?</source>
        <translation>Norrid %1 est disponible — vous avez la version %2. Voulez-vous l’installer maintenant ?</translation>
    </message>
    <message>
        <source>Norrid %1 is now available — you have %2. Would you like to download it now?</source>
        <translation>Norrid %1 est disponible — vous avez la version %2. Voulez-vous le télécharger maintenant ?</translation>
    </message>
    <message>
        <source>Norrid %1 is being downloaded. Its signature is checked before it is installed.</source>
        <translation>Norrid %1 est en cours de téléchargement. Sa signature est vérifiée avant l’installation.</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Mise à jour du logiciel</translation>
    </message>
</context>
<context>
    <name>WatchSummary</name>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1: 1 card</source>
        <translation>%1 : 1 ticket</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n cards</source>
        <translation>
            <numerusform>%1 : %n ticket</numerusform>
            <numerusform>%1 : %n tickets</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: loading…</source>
        <translation>%1 : chargement…</translation>
    </message>
</context>
</TS>
