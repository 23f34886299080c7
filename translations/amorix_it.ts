<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>amorix::Application</name>
    <message>
        <source>Application is already running</source>
        <translation>Il programma è già aperto</translation>
    </message>
</context>
<context>
    <name>amorix::BrandBanner</name>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details. Click Here for more info on co-branding.</source>
        <translation>Metti il tuo marchio su questo programma , fidelizza chi visita il tuo sito e aumenta le visite: inserisci qui il nome e il link del tuo sito. Vedi «Aiuto». Fai clic qui per saperne di più sul co-branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Un’attività da casa: avvia la tua impresa su Internet e guadagna online. Ottieni questo programma interamente con il marchio del tuo sito. Fai clic qui per saperne di più.</translation>
    </message>
</context>
<context>
    <name>amorix::InputArea</name>
    <message>
        <source>Let QX Amorix tell you more about your relationship. Just enter your partner&apos;s and your date of birth and know more about your love prospects!</source>
        <translation>Lascia che QX Amorix ti dica di più sulla tua relazione. Inserisci la tua data di nascita e quella della persona che ami, e scopri che cosa vi riserva l’amore!</translation>
    </message>
    <message>
        <source>Your Personal Details</source>
        <translation>I tuoi dati</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Personal Details</source>
        <translation>I dati della persona che ami</translation>
    </message>
    <message>
        <source>&amp;Get My Amorix Reading</source>
        <translation>&amp;Mostra la mia lettura Amorix</translation>
    </message>
</context>
<context>
    <name>amorix::Interpretations</name>
    <message>
        <source>You tend to show off your partners to your friends. You are persistent and forceful when you set out to win a partner, and you rarely give up. You are fun and exciting company, and you give your partner no rest at all.</source>
        <translation>Ti piace sfoggiare le tue conquiste davanti a chi ti conosce. Quando vuoi conquistare qualcuno, ci metti tenacia ed energia, e ti arrendi di rado. La tua compagnia è divertente ed emozionante, e non lasci un attimo di tregua alla persona che ami.</translation>
    </message>
    <message>
        <source>You will find it difficult to remain in any relationship. It is hard for you to find the right person and even harder to settle down with one. Yet love and romance matter a great deal to you, and you spend many hours in fantasy about the partners that the future may bring to you.</source>
        <translation>Ti è difficile restare in una relazione. Trovare la persona giusta è difficile per te, e impegnarti con lei lo è ancora di più. Eppure l’amore e il romanticismo contano molto per te, e passi ore a fantasticare sugli amori che il futuro potrà portarti.</translation>
    </message>
    <message>
        <source>You will be the dominating half in your relationship. You believe in a solid commitment and you want a partner who listens to you and shares both your happiness and your grief. You find it hard to speak first about your feelings, so let your partner know what is in your heart.</source>
        <translation>Nella tua relazione sarai tu a tenere le redini. Credi in un impegno solido e cerchi qualcuno che ti ascolti e condivida con te gioie e dolori. Ti costa fare il primo passo e parlare dei tuoi sentimenti, perciò fai sapere alla persona che ami che cosa hai nel cuore.</translation>
    </message>
    <message>
        <source>You will be very serious about your relationships. You are the kind of person who marries a high-school sweetheart. You should be more forthcoming in your search for love. You are dependable and loyal to your partner, and you expect the very same loyalty in return.</source>
        <translation>Prendi molto sul serio le tue relazioni. Fai parte delle persone che sposano il loro amore di gioventù. Nella ricerca dell’amore dovresti aprirti di più agli altri. Sei una persona affidabile e leale, e ti aspetti la stessa lealtà in cambio.</translation>
    </message>
    <message>
        <source>You are very jovial and happy by nature. You love to please your partner and to keep them happy, and you are lucky in love. But you may break a heart without a second thought, because you take life as one long party and you don&apos;t always see the hurt you leave behind you.</source>
        <translation>Hai un carattere gioviale e allegro. Ti piace far contenta la persona che ami e renderla felice, e hai fortuna in amore. Ma potresti spezzare un cuore senza pensarci due volte, perché per te la vita è una lunga festa e non sempre vedi il dolore che ti lasci alle spalle.</translation>
    </message>
    <message>
        <source>You cannot be mushy and romantic. You are polite and quiet, and looks matter a lot to you. You want attractive partners, because you see them as a reflection of yourself. Your reputation matters to you, and you choose your partner with care.</source>
        <translation>Le smancerie e il romanticismo non fanno per te. Hai buone maniere e un carattere tranquillo, e l’aspetto conta molto per te. Cerchi persone attraenti, perché vedi in loro un riflesso di te. La tua reputazione ti sta a cuore e scegli con cura la persona da amare.</translation>
    </message>
    <message>
        <source>You will be loving and romantic. You pamper your partner with roses and gifts, and you are an understanding partner. But take care not to appear aloof or stuffy to your loved one.</source>
        <translation>Sei una persona affettuosa e romantica. Vizi la persona che ami con rose e regali, e sai capirla. Ma fai attenzione a non darle un’impressione di freddezza o di rigidità.</translation>
    </message>
    <message>
        <source>You will be generous and loving. You love wholeheartedly and you take your relationship seriously. You treat your partners to the finest things that you can afford, and you enjoy seeing them happy with you.</source>
        <translation>Sei una persona generosa e affettuosa. Ami con tutto il cuore e prendi sul serio la tua relazione. Offri alla persona che ami il meglio che puoi permetterti, e ti piace vederla felice accanto a te.</translation>
    </message>
    <message>
        <source>You will go all out to conquer your partner&apos;s heart. You have a big ego, but you are lovable all the same. You will have many relationships before you find your true love.</source>
        <translation>Farai di tutto per conquistare il cuore della persona che ami. Hai un grande ego, ma ti si vuole bene lo stesso. Vivrai molte storie prima di trovare il vero amore.</translation>
    </message>
    <message>
        <source>You may have many arguments but you will stick to each other through the worst phases of your life. Others may envy your loyalty and try to break you up. Stand up for each other, hold no grudges and learn to forgive, and your bond will only grow stronger over the years.</source>
        <translation>Forse litigherete spesso, ma vi sosterrete a vicenda nei momenti peggiori della vostra vita. Qualcuno potrebbe invidiare la vostra lealtà e cercare di dividervi. Difendetevi a vicenda, non serbate rancore e imparate a perdonare: il vostro legame diventerà sempre più forte con gli anni.</translation>
    </message>
    <message>
        <source>People will think that you both are the perfect couple. But a lasting relationship needs a strong foundation, and yours will need compromise and adjustment from both of you. Talk your problems out before they grow too big to handle. With much love and understanding on both sides, you can truly become the perfect couple that others see in you.</source>
        <translation>Tutti penseranno che siete la coppia perfetta. Ma una relazione duratura ha bisogno di basi solide, e la vostra richiederà compromessi da entrambe le parti. Parlate dei vostri problemi prima che diventino troppo grandi. Con tanto amore e comprensione da entrambe le parti, potrete davvero diventare la coppia perfetta che gli altri vedono in voi.</translation>
    </message>
    <message>
        <source>You both tend to spend too much of money on shopping. Your life together is full of drama and activity. You love socializing, and life is a never-ending party for the two of you. But take care that you do not end up in debt, or the party may end sooner than you think.</source>
        <translation>Tendete a spendere troppo per lo shopping. La vostra vita insieme è piena di colpi di scena e di attività. Amate la vita sociale, e per voi la vita è una festa senza fine. Ma attenzione a non indebitarvi, o la festa potrebbe finire prima di quanto pensiate.</translation>
    </message>
    <message>
        <source>This combination will be based on love and security. You have a good mutual understanding. Your different natures may cause anger at times, but both of you will work hard to make this relationship last for a lifetime.</source>
        <translation>Questa unione si basa sull’amore e sulla sicurezza. Vi capite bene. I vostri caratteri diversi a volte creeranno tensioni, ma vi impegnerete perché questa relazione duri tutta la vita.</translation>
    </message>
    <message>
        <source>This relationship is based on absolute fun and frolic. You will discover new things, new interests and new hobbies together. This keeps your relationship fresh and exciting, and the excitement will last through the years.</source>
        <translation>Questa relazione si basa sul divertimento e sulla spensieratezza. Scoprirete in coppia cose nuove, nuovi interessi e nuovi hobby. Questo mantiene la vostra relazione fresca ed emozionante, e l’emozione durerà negli anni.</translation>
    </message>
    <message>
        <source>This relationship has all the excitement of a storybook romance. There are many changes ahead of you, but you are made for each other. Others see your relationship as an ideal match, and it is one that will last for many years.</source>
        <translation>Questa relazione ha tutta l’emozione di un amore da favola. Vi aspettano molti cambiamenti, ma il vostro incontro era scritto nel destino. Chi vi circonda vede in voi la coppia ideale, e il vostro amore durerà molti anni.</translation>
    </message>
    <message>
        <source>Pleasure and affluence are ready to be showered in your lives. Do not make decisions for your partner; instead, try to match your thoughts and feelings. Ups and downs belong to life, so do not let them shake you. Your friends will be your support in hard times. Keep trying new things in your married life, and your love will stay young.</source>
        <translation>Piacere e benessere stanno per riversarsi sulla vostra vita. Non prendete decisioni al posto dell’altra persona; cercate piuttosto di accordare pensieri e sentimenti. Gli alti e bassi fanno parte della vita: non lasciate che vi scuotano. Nei momenti difficili chi vi vuole bene vi sosterrà. Continuate a provare cose nuove nella vostra vita di coppia, e il vostro amore resterà giovane.</translation>
    </message>
    <message>
        <source>You are quite attuned to each other and one of the best matches. Your relationship has stability and understanding. Together you will learn to appreciate the finer things in life, hand in hand.</source>
        <translation>Siete in perfetta sintonia e formate una delle coppie meglio assortite. La vostra relazione ha stabilità e comprensione. Mano nella mano imparerete ad apprezzare le cose più belle della vita.</translation>
    </message>
    <message>
        <source>There are possible difficulties because of your different temperaments. But a little effort from both of you makes it work. Your relationship lasts if each of you respects the other’s solitude, and it doesn’t mean losing your times of togetherness. With care, the bond won’t break.</source>
        <translation>I vostri temperamenti diversi possono creare difficoltà. Ma con un piccolo sforzo da entrambe le parti, funziona. La vostra relazione durerà se rispettate a vicenda il bisogno di solitudine, senza perdere i vostri momenti insieme. Con un po’ di cura, il legame non si spezzerà.</translation>
    </message>
    <message>
        <source>This number shows the positive and negative traits of your personality, your hidden talents and your future romance.</source>
        <translation>Questo numero mostra i lati positivi e negativi della tua personalità, i tuoi talenti nascosti e i tuoi amori futuri.</translation>
    </message>
</context>
<context>
    <name>amorix::MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Get My Amorix Reading</source>
        <translation>&amp;Mostra la mia lettura Amorix</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Guida in &amp;linea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitaci online</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Cerca &amp;aggiornamenti</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Informazioni sul programma</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Dona</translation>
    </message>
    <message>
        <source>&amp;Make Money Online</source>
        <translation>&amp;Guadagnare online</translation>
    </message>
</context>
<context>
    <name>amorix::PersonDetails</name>
    <message>
        <source>Your name</source>
        <translation>Il tuo nome</translation>
    </message>
    <message>
        <source>Your birth month</source>
        <translation>Il tuo mese di nascita</translation>
    </message>
    <message>
        <source>Your birth day</source>
        <translation>Il tuo giorno di nascita</translation>
    </message>
    <message>
        <source>Your birth year</source>
        <translation>Il tuo anno di nascita</translation>
    </message>
    <message>
        <source>Your partner&apos;s name</source>
        <translation>Nome della persona che ami</translation>
    </message>
    <message>
        <source>Your partner&apos;s birth month</source>
        <translation>Mese di nascita della persona che ami</translation>
    </message>
    <message>
        <source>Your partner&apos;s birth day</source>
        <translation>Giorno di nascita della persona che ami</translation>
    </message>
    <message>
        <source>Your partner&apos;s birth year</source>
        <translation>Anno di nascita della persona che ami</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <translation>Nascita</translation>
    </message>
</context>
<context>
    <name>amorix::ReadingView</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>My Love Numerology Result</source>
        <translation>Il mio risultato</translation>
    </message>
    <message>
        <source>My Partner&apos;s Love Numerology Result</source>
        <translation>Il risultato della persona che amo</translation>
    </message>
    <message>
        <source>Love Number</source>
        <translation>Numero dell’amore</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lettura</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Il tuo nome</translation>
    </message>
    <message>
        <source>Your date of birth</source>
        <translation>La tua data di nascita</translation>
    </message>
    <message>
        <source>Your birth number</source>
        <translation>Il tuo numero di nascita</translation>
    </message>
    <message>
        <source>Your significance</source>
        <translation>Significato del tuo numero</translation>
    </message>
    <message>
        <source>Your interpretation</source>
        <translation>La tua interpretazione</translation>
    </message>
    <message>
        <source>Partner&apos;s name</source>
        <translation>Nome della persona che ami</translation>
    </message>
    <message>
        <source>Partner&apos;s date of birth</source>
        <translation>Data di nascita della persona che ami</translation>
    </message>
    <message>
        <source>Partner&apos;s birth number</source>
        <translation>Numero di nascita della persona che ami</translation>
    </message>
    <message>
        <source>Partner&apos;s significance</source>
        <translation>Significato del numero della persona che ami</translation>
    </message>
    <message>
        <source>Partner&apos;s interpretation</source>
        <translation>Interpretazione per la persona che ami</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>Data di nascita</translation>
    </message>
    <message>
        <source>Birth Number</source>
        <translation>Numero di nascita</translation>
    </message>
    <message>
        <source>Significance</source>
        <translation>Significato</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Interpretazione</translation>
    </message>
    <message>
        <source>Love number</source>
        <translation>Numero dell’amore</translation>
    </message>
    <message>
        <source>Love interpretation</source>
        <translation>Interpretazione del numero dell’amore</translation>
    </message>
</context>
<context>
    <name>amorix::ReferAFriendForm</name>
    <message>
        <source>Refer A Friend</source>
        <translation>Consiglialo</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Consiglia ora</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Un indirizzo email non può contenere spazi</translation>
    </message>
</context>
<context>
    <name>amorix::UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Potrebbe essere disponibile un aggiornamento di questo programma.</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>Vuoi cercare gli aggiornamenti?</translation>
    </message>
</context>
<context>
    <name>amorix::frmAbout</name>
    <message>
        <source>QX Amorix gives you a better view about the nature of your relationship with your  partner based on birth number calculations.</source>
        <translation>QX Amorix ti aiuta a capire meglio la tua relazione grazie ai numeri di nascita.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Visita %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Un’attività da casa: avvia la tua impresa su Internet e guadagna online. Ottieni questo programma interamente con il marchio del tuo sito.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Per saperne di più</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>amorix::frmExitScreen</name>
    <message>
        <source>Velmora Softwares, such as this can be created and maintained only with your support. The best way to support Velmora Board is to visit Velmora regularly and take part in the discussions and other activities on the board.</source>
        <translation>Programmi come questo esistono solo grazie al tuo sostegno. Il modo migliore per sostenere Velmora è visitare Velmora spesso e partecipare alle discussioni e alle altre attività del forum.</translation>
    </message>
    <message>
        <source>Visit Velmora regularly. Support Velmora by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Velmora</source>
        <translation>Visita Velmora spesso. Sostieni Velmora partecipando alle discussioni e alle altre attività. Senza le tue visite frequenti a Velmora questi programmi non possono essere mantenuti</translation>
    </message>
    <message>
        <source>Velmora is a FREE online discussion forum for all things mystic. To help Velmora develop and maintain this software visit Velmora regularly.</source>
        <translation>Velmora è un forum online GRATUITO dedicato a tutto ciò che è mistico. Per aiutare Velmora a sviluppare e mantenere questo programma, visita Velmora spesso.</translation>
    </message>
    <message>
        <source>Velmora needs your help. All you need to do is visit Velmora regularly and take part in the various discussions and activites to help us maintain and develop more Velmora Softwares.</source>
        <translation>Velmora ha bisogno del tuo aiuto. Ti basta visitare Velmora spesso e partecipare alle discussioni e alle attività per aiutarci a mantenere e creare altri programmi Velmora.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Velmora Softwares. Velmora is one of the world’s largest sources of programs on astrology, psychic matters, tarot, numerology and the occult.</source>
        <translation>Se questo programma ti è piaciuto, gli altri programmi Velmora ti interesseranno di sicuro. Velmora è una delle più grandi fonti al mondo di programmi di astrologia, chiaroveggenza, tarocchi, numerologia ed esoterismo.</translation>
    </message>
    <message>
        <source>All the programs in the Velmora Softwares suite are simple and easy to use. They are fun and informative at the same time. Try them out and share the experience with your friends and family.</source>
        <translation>Tutti i programmi Velmora sono semplici e facili da usare. Sono divertenti e istruttivi allo stesso tempo. Provali e condividi l’esperienza con le persone a cui tieni.</translation>
    </message>
    <message>
        <source>Click Here To Visit Velmora Now</source>
        <translation>Visita Velmora ora</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Download Velmora Softwares</source>
        <translation>Scarica i programmi Velmora</translation>
    </message>
    <message>
        <source>Click Here To Visit Velmora Softwares</source>
        <translation>Vedi i programmi Velmora</translation>
    </message>
</context>
<context>
    <name>amorix::frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit Velmora Now</source>
        <translation>Il forum mistico più popolare di Internet. La migliore risorsa per tutto ciò che è mistico. Visita Velmora ora</translation>
    </message>
</context>
<context>
    <name>amorix::modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Inserisci due indirizzi email diversi</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Inserisci un indirizzo email valido</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Il tuo nome</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Inserisci il tuo nome</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Il tuo indirizzo email</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Inserisci il tuo indirizzo email</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Il tuo messaggio</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Inserisci il tuo messaggio</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome del tuo contatto</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Inserisci il nome del tuo contatto</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Email del tuo contatto</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Inserisci l’indirizzo email del tuo contatto</translation>
    </message>
    <message>
        <source>The request is too long to send. Please shorten the names or email addresses.</source>
        <translation>La richiesta è troppo lunga per essere inviata. Accorcia i nomi o gli indirizzi email.</translation>
    </message>
</context>
<context>
    <name>amorix::reading</name>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Inserisci il tuo nome</translation>
    </message>
    <message>
        <source>Please Enter Your Partner&apos;s Name</source>
        <translation>Inserisci il nome della persona che ami</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <extracomment>A day past the end of February. Two messages on purpose: this one without a space before &quot;!&quot;, the one for a 30-day month with one; translate both alike.</extracomment>
        <translation>Scegli un giorno o un mese valido!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <extracomment>The 31st of a 30-day month. Two messages on purpose: this one with a space before &quot;!&quot;, the one for February without; translate both alike.</extracomment>
        <translation>Scegli un giorno o un mese valido!</translation>
    </message>
    <message>
        <source>1</source>
        <comment>the first day of a month in a date: French 1er, Portuguese 1º</comment>
        <translation>1</translation>
    </message>
</context>
</TS>
