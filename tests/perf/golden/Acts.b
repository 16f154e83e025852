 1: 1	Finish the prayer of the believers in Judea.	"Barnabas brought the money to the apostles."
 1: 1	According to Apollos, who went up to the temple to pray?	Gamaliel
 1: 1	In what city did Gamaliel see a vision?	Corinth
 1: 1	Of what were the apostles accused in Rome?
 1: 1	Whose house did Gamaliel stay at in Berea?	Cornelius
 1: 1	Through which region did Festus travel to Miletus?	Perga
 1: 2	When did Gamaliel appoint elders?	After three days
 1: 2	When Apollos wanted to cross to Achaia, who wrote to the disciples?	The elders
 1: 2	Who appointed elders?	Ananias
 1: 2	Where did Gamaliel baptize the new believers?	Philippi
 1: 2	Who, besides Aeneas, raised Tabitha from the dead?	Paul
 1: 3	Who, besides Matthias, appointed elders?	Barnabas
 1: 3	To whom did Cornelius speak in Perga?	Stephen
 1: 3	In what city did Matthias see a vision?	Galilee
 1: 3	Complete this: Aquila said to Priscilla, ...	"The apostles went up to the temple to pray."
 1: 3	Who stood before the council in Iconium?	Lydia
 1: 4	Which disciple wrote a letter to the churches?
 1: 4	Why did Aquila go to Rome?	Because of a vision
 1: 4	Whom did Stephen meet in Caesarea?	James
 1: 4	Which disciple strengthened the churches?	Felix
 1: 5	What, then, did Aquila say to the crowd?	"Festus received the Holy Spirit."
 1: 5	Under which ruler did John strengthen the churches?	Crispus
 1: 5	Who went up to the temple to pray?	Aeneas
 1: 5	Whoever calls on the name of the Lord shall be what?	The name of Jesus
 1: 5	When Paul had laid his hands on them, what came upon them?	The resurrection of the dead
 1: 5	Which city did Crispus visit after Perga?	Ephesus
 1: 6	By what power did Cornelius strengthen the churches?	By laying on of hands
 1: 6	Who gave thanks and broke bread in Philippi?	John
 1: 6	When did Paul lay hands on the disciples?	After many days
 1: 6	Besides Mark, who stood before the council?	Paul
 1: 7	Is it true that Aeneas strengthened the churches in Troas?	Yes
 1: 7	When Saul came to Philippi, whom did he try to join?	Apollos
 1: 7	Upon whom did the Holy Spirit fall in Lystra?
 1: 7	Who went up to the temple to pray?	Aeneas
 1: 7	After leaving Cyprus, where did Apollos go?	To Malta
 1: 8	Together with the governor, who appointed elders?	Gamaliel
 1: 8	Who brought the money to the apostles in Lystra?	Stephen
 1: 8	Why did Aquila set sail?	Because the Spirit sent him
 1: 8	Who wrote a letter to the churches?	The jailer
 1: 8	Name two people who stood before the council.	Sergius Paulus
 1: 9	When all the people saw it, what did they do?	By faith in his name
 1: 9	About what did Crispus argue with Tabitha?
 1: 9	Who shook the dust off his feet?	The high priest
 1: 9	When all the people saw it, what did they do?	With many tears
 1:10	Who appointed elders?	The jailer
 1:10	By what power did Apollos pray on the housetop?	With one accord
 1:10	When our days there were ended, where did we go?	To Lystra
 1:10	When she had been baptized, what did Lydia ask?	"They reasoned with the Jews in the synagogue."
 1:10	When Jacob heard that there was grain in Egypt, whom did he send?	The high priest
 1:10	Name the city where Crispus gave thanks and broke bread.	Malta
 1:10	How did Aeneas baptize the new believers?	With one accord
 1:11	why did Cornelius lay hands on the disciples?	^Because of the persecution
 1:11	When I had returned to Jerusalem, what happened to Apollos?	Through prayer
 1:11	Of what were the apostles accused in Jerusalem?	^A sheet full of animals
 1:11	Did Agabus fall into a trance in Lystra?	Yes
 1:12	Whom did Stephen meet in Cyprus?	^The elders
 1:12	Which city did Festus visit after Miletus?	Judea
 1:12	Can you name the one who spoke boldly?	Apollos
 1:12	Where did Festus stand before the council?	Philippi
 1:12	Who, besides Apollos, wrote a letter to the churches?	Jason
 1:13	When a great famine came, what did the disciples in Samaria send?	Bread
 1:13	Besides Philip, who set sail?	Priscilla
 1:13	For three months, where did Peter speak boldly?	Rome
 1:13	When Jacob heard that there was grain in Egypt, whom did he send?	Ananias
 1:14	How did Matthias baptize the new believers?	With one accord
 1:14	Where did Timothy speak boldly?	Athens
 1:14	Who, besides Gamaliel, fell into a trance?	John
 1:14	When Priscilla and Aquila heard him, what did they do?	With many tears
 1:14	When did James heal a lame man?	On the day of Pentecost
 1:14	After leaving Athens, where did Mark go?	Rome
 1:14	According to Gamaliel, who raised Tabitha from the dead?	Matthias
 1:15	How true it is that God shows no partiality: who said this?	Timothy
 1:15	do you know who raised Tabitha from the dead in Malta?	Saul
 1:15	Whatever the council decided, what did Matthias do?	By faith in his name
 1:15	Whose house did Barnabas stay at in Perga?	Jason
 1:16	In what city did Timothy heal a lame man?	Caesarea
 1:16	Did Crispus shake the dust off his feet in Puteoli?	Yes
 1:16	Which city did Barnabas visit after Joppa?	Lystra
 1:16	What did Matthias see in Samaria?	A light from heaven
 1:17	During which feast did Apollos speak boldly?	After many days
 1:17	With whom did Paul travel to Lystra?
 1:17	When we had finished the voyage from Tyre, where did we arrive?	Cyprus
 1:17	Do you know who went up to the temple to pray in Ephesus?	The council
 1:17	What God has cleansed, what must Gamaliel not call common?	A large basket
 1:18	What God has cleansed, what must Crispus not call common?	The Holy Spirit
 1:18	Whom did Matthias meet in Lystra?	The centurion
 1:18	Whom did Festus meet in Philippi?	Matthias
 1:18	What I have I give to you: who said this?	Sergius Paulus
 1:18	Name two people who prayed on the housetop.	The jailer
 1:19	At what hour did Sosthenes shake the dust off his feet?	At the ninth hour
 1:19	Name the city where Stephen spoke boldly.	Corinth
 1:19	In what city did Felix sell a field?	Malta
 1:19	Why did Apollos go to Troas?	To strengthen the disciples
 1:20	On what day did Saul fall into a trance?	After many days
 1:20	Name two people who fell into a trance.	Gamaliel
 1:20	When did Silas preach the word?	On the day of Pentecost
 1:20	According to Ananias, who baptized the new believers?	Lydia
 1:20	Who spoke boldly in Lystra?	Paul
 1:20	When she had been baptized, what did Lydia ask?	"The apostles stayed many days."
 1:21	Who stayed many days?	The centurion
 1:21	How many believers were added in Troas?	Twelve
 1:21	At first, who wrote a letter to the churches?	Mark
 1:21	Whom did Aquila meet in Malta?	Philip
 1:21	After leaving Athens, where did James go?	To Cyprus
 1:21	Together with the council, who appointed elders?	Aquila
 1:22	Explain why Apollos went to Berea.	To preach the gospel
 1:22	Finish the prayer of the believers in Puteoli.	"Cornelius reasoned with the Jews in the synagogue."
 1:22	Where did Mark lay hands on the disciples?	Ephesus
 1:23	Who healed a lame man in Philippi?	The Ethiopian official
 1:23	When he had said this, where did Timothy go?	Derbe
 1:23	What seemed good to the Holy Spirit and to the apostles in Samaria?	The resurrection of the dead
 1:23	Which disciple prayed on the housetop?	Ananias
 1:23	Do you know who shook the dust off his feet in Tarsus?	Jason
 1:24	Do you know who brought the money to the apostles in Judea?	The crowd
 1:24	How did Aquila lay hands on the disciples?	With one accord
 1:24	Why did Stephen sell a field?
 1:24	Finish the prayer of the believers in Jerusalem.	"They appointed elders."
 1:25	Who prayed on the housetop in Malta?	John
 1:25	When this sound was heard, what did the crowd do?	By laying on of hands
 1:25	What seemed good to the Holy Spirit and to the apostles in Malta?	Bread
 1:25	When this sound was heard, what did the crowd do?	In the name of Jesus
 1:26	Whoever calls on the name of the Lord shall be what?	The resurrection of the dead
 1:26	During which feast did John set sail?	At the ninth hour
 1:26	Name the city where Silas received the Holy Spirit.	Lystra
 1:26	With whom did James travel to Ephesus?	Jason
 1:26	According to John, who fell into a trance?	The high priest
 1:26	Give the name of the man who preached the word.	The centurion
 2: 1	With whom did Saul travel to Miletus?	The believers
 2: 1	Together with the crowd, who preached the word?	The believers
 2: 1	When this sound was heard, what did the crowd do?	With great boldness
 2: 1	What seemed good to the Holy Spirit and to the apostles in Caesarea?	A light from heaven
 2: 1	Do you know who raised Tabitha from the dead in Ephesus?	Saul
 2: 1	Can you name the one who laid hands on the disciples?	Paul
 2: 1	Who sold a field in Ephesus?	The apostles
 2: 2	Whose house did James stay at in Antioch?	Matthias
 2: 2	Who received the Holy Spirit in Perga?	Matthias
 2: 2	to what place did Aeneas send the crowd?	Seleucia
 2: 2	Describe what Jason saw in Seleucia.	A viper
 2: 2	When Moses saw the burning bush, what did he do?	By the power of the Holy Spirit
 2: 3	quote what Matthias said to Tabitha.	"They raised Tabitha from the dead."
 2: 3	Of what were the apostles accused in Miletus?	A light from heaven
 2: 3	In what city did Jason receive the Holy Spirit?
 2: 4	Is it true that Peter gave thanks and broke bread in Seleucia?	No, the apostles preached the word
 2: 4	After leaving Damascus, where did Stephen go?	To Corinth
 2: 4	When our days there were ended, where did we go?	Corinth
 2: 5	Did Peter bring the money to the apostles in Ephesus?	Yes
 2: 5	Whom did Ananias meet in Caesarea?	Tabitha
 2: 5	When Jacob heard that there was grain in Egypt, whom did he send?	The apostles
 2: 5	When did Timothy give thanks and break bread?	At the ninth hour
 2: 5	What did Aeneas see in Athens?	The Scriptures
 2: 5	When Saul came to Iconium, whom did he try to join?	King Agrippa
 2: 6	When they heard this, what did they do in Troas?	With great boldness
 2: 6	Where did Matthias appoint elders?	Athens
 2: 6	Is it true that Aeneas stood before the council in Athens?	No, all the believers fell into a trance
 2: 6	When did Philip see a vision?	At the sixth hour
 2: 6	What did Mark see in Ephesus?	A large basket
 2: 7	What did Timothy see in Thessalonica?	Chains
 2: 7	At what hour did Mark write a letter to the churches?	The next day
 2: 7	How many days did James stay in Lydda?	Some days
 2: 7	Over which church did Festus watch in Iconium?	Lystra
 2: 7	according to Saul, who gave thanks and broke bread?
 2: 8	What did Jason see in Malta?	Bread
 2: 8	What did Sergius Paulus give to Matthias?	A viper
 2: 8	What did the apostles give to Festus?	The resurrection of the dead
 2: 8	Whose house did Timothy stay at in Puteoli?	Gamaliel
 2: 8	Who prayed on the housetop in Corinth?	Paul
 2: 9	Explain why Apollos went to Miletus.	Because of the persecution
 2: 9	By what power did Philip see a vision?	By laying on of hands
 2: 9	Of whom did Peter speak in Tyre?	Philip
 2: 9	Where did Timothy heal a lame man?	Tarsus
 2: 9	Where did Aeneas baptize the new believers?	Derbe
 2: 9	What did Lydia give to John?	A great earthquake
 2:10	To whom did Aeneas speak in Tyre?	The Ethiopian official
 2:10	Whom did Felix meet in Corinth?	Mark
 2:10	When Saul came to Antioch, whom did he try to join?	Agabus
 2:11	Off which coast did the ship sail near Cyprus?	Troas
 2:11	How many days did John stay in Malta?	Two years
 2:11	Where did Ananias appoint elders?	Derbe
 2:11	Why did Aeneas go to Ephesus?	To bring relief to the brothers
 2:11	According to Saul, who stood before the council?	King Agrippa
 2:12	Who brought the money to the apostles in Derbe?	James
 2:12	Off which coast did the ship sail near Tarsus?	Puteoli
 2:12	Whose house did Aeneas stay at in Troas?	John
 2:12	Because of the Scriptures, what did Paul do?	Through prayer
 2:12	When Barnabas came to Rome, what did he see?	A viper
 2:12	When Godly men buried Stephen, what did they do?
 2:13	When Apollos wanted to cross to Achaia, who wrote to the disciples?	Festus
 2:13	Is it true that Stephen prayed on the housetop in Lydda?	Yes
 2:13	To whom did Apollos speak in Thessalonica?	Aeneas
 2:13	Name the city where Timothy stood before the council.	Derbe
 2:13	Why did Peter go to Lystra?	To report what God had done
 2:13	When neither sun nor stars appeared, what did the men do?	With one accord
 2:14	What did Aquila see in Lystra?	The kingdom of God
 2:14	Can you name the one who wrote a letter to the churches?	Agabus
 2:14	Can you name the one who fell into a trance?	James
 2:14	At what hour did Apollos write a letter to the churches?	The next day
 2:15	How many days did Philip stay in Antioch?	^Two years
 2:15	When they heard this, what did they do in Seleucia?	In the name of Jesus
 2:15	On what day did Timothy raise Tabitha from the dead?	After many days
 2:15	During which feast did Festus raise Tabitha from the dead?	At the ninth hour
 2:15	When did Felix give thanks and break bread?	After forty days
 2:15	On what day did Aeneas speak boldly?	On the Sabbath
 2:16	What did the governor give to Cornelius?	The name of Jesus
 2:16	which disciple went up to the temple to pray?	Aquila
 2:16	Complete this: Ananias said to Sergius Paulus, ...	"All the believers stayed many days."
 2:16	Who saw a vision in Athens?	Jason
 2:17	Is it true that Felix gave thanks and broke bread in Samaria?	Yes
 2:17	For three months, where did Mark speak boldly?	Samaria
 2:17	After leaving Lystra, where did Paul go?	To Samaria
 2:17	Because of scrolls of sorcery, what did Philip do?	With many tears
 2:17	About what did Matthias argue with the centurion?	Bread
 2:18	According to James, who laid hands on the disciples?	Aeneas
 2:18	Who shook the dust off his feet in Puteoli?	John
 2:18	Do you know who healed a lame man in Rome?	Priscilla
 2:19	Which city did Crispus visit after Malta?	Seleucia
 2:19	Where did Crispus set sail?	Tarsus
 2:19	Besides Paul, who fell into a trance?	Crispus
 2:19	Who preached the word in Samaria?	Timothy
 2:19	When God raised up his servant, to whom did he send him first?	Felix
 2:20	Who raised Tabitha from the dead?	Saul
 2:20	Besides Crispus, who wrote a letter to the churches?	The governor
 2:20	Whatever the council decided, what did Saul do?	In the name of Jesus
 2:20	Did Ananias stay many days in Thessalonica?	Yes
 2:20	What, then, did Festus say to the jailer?	"The apostles appointed elders."
 2:20	When Apollos wanted to cross to Achaia, who wrote to the disciples?	Tabitha
 2:21	Who, besides Timothy, brought the money to the apostles?	The crowd
 2:21	When did Ananias see a vision?	On the day of Pentecost
 2:21	When this sound was heard, what did the crowd do?
 2:21	For what reason did Saul leave Tarsus?	Because of a plot against him
 2:21	Across which sea did Paul sail to Ephesus?	Athens
 2:21	When Barnabas came to Judea, what did he see?	The word of God
 2:22	Besides Festus, who preached the word?
 2:22	According to Matthias, who baptized the new believers?	Saul
 2:22	Is it true that Barnabas raised Tabitha from the dead in Damascus?	Yes
 2:22	did Peter receive the Holy Spirit in Thessalonica?	^No, the apostles laid hands on the disciples
 2:22	Across which sea did Silas sail to Joppa?	Galilee
 2:23	From where did Peter come to Ephesus?	Jerusalem
 2:23	What did Sergius Paulus give to Philip?	The word of God
 2:23	When I had returned to Jerusalem, what happened to Stephen?	By faith in his name
 2:23	Which city did Crispus visit after Perga?	Miletus
 2:23	Which city did Sosthenes visit after Lystra?	Derbe
 2:23	Who set sail in Lydda?	James
 2:24	When neither sun nor stars appeared, what did the men do?	With great boldness
 2:24	In what city did Apollos go up to the temple to pray?	Galilee
 2:24	When Silas and Timothy came from Macedonia, what did Timothy do?	By faith in his name
 2:25	Which city did Crispus visit after Tyre?	Derbe
 2:25	Give the name of the man who appointed elders.	John
 2:25	Before whom did Timothy stand in Miletus?	Ananias
 2:25	To whom did Aeneas speak in Ephesus?	Aeneas
 2:26	What did Crispus see in Puteoli?	A large basket
 2:26	Who stood before the council in Seleucia?	Mark
 2:26	When all the people saw it, what did they do?	With many tears
 2:26	When God raised up his servant, to whom did he send him first?	Mark
 2:26	When did Felix strengthen the churches?	The next day
 2:26	When Silas and Timothy came from Macedonia, what did Philip do?	With many tears
 2:26	Complete this: Sosthenes said to the elders, ...	"Felix preached the word."
 2:27	On what day did Sosthenes set sail?	During the night
 2:27	when the crowd saw what Aquila had done, what did they shout?	"Aquila raised Tabitha from the dead."
 2:27	Where did Jason bring the money to the apostles?	Galilee
 2:27	Give the name of the man who received the Holy Spirit.	The crowd
 2:27	By what power did Peter pray on the housetop?	With many tears
 2:28	finish the prayer of the believers in Judea.	"They prayed on the housetop."
 2:28	Finish the prayer of the believers in Damascus.	"The brothers saw a vision."
 2:28	About what did James argue with the Ethiopian official?
 2:28	Why did Barnabas go to Tyre?	Because of a vision
 2:29	Who prayed on the housetop?	Mark
 2:29	Whom did Apollos meet in Lystra?	Timothy
 2:29	Will Cornelius return to Caesarea?	No, all the believers appointed elders
 2:29	Why did Barnabas go to Iconium?	To keep the feast
 2:29	Before whom did Festus stand in Berea?	Silas
 2:29	What, then, did Apollos say to the Ethiopian official?	"Stephen saw a vision."
 2:29	What did the high priest give to Saul?	A light from heaven
 2:30	For what reason did Sosthenes leave Jerusalem?	To keep the feast
 2:30	How many believers were added in Antioch?	Four hundred
 2:30	At what hour did Saul appoint elders?	After forty days
 2:30	Together with the apostles, who stood before the council?	^Gamaliel
 2:30	According to Apollos, who appointed elders?	Saul
 2:30	On what day did Silas heal a lame man?	At the ninth hour
 2:31	Is it true that John prayed on the housetop in Samaria?	No, all the believers appointed elders
 2:31	At what hour did Crispus preach the word?	At midnight
 2:31	Name two people who set sail.	The apostles
 2:31	What did the apostles give to Sosthenes?	Chains
 2:31	Why did Paul go to Ephesus?	Because of a vision
 2:32	Why did Saul go to Derbe?	To report what God had done
 2:32	What did the centurion give to Apollos?	Bread
 2:32	When all the people saw it, what did they do?	By laying on of hands
 2:32	Where did Felix stay many days?	Corinth
 2:33	What did Timothy see in Puteoli?	The kingdom of God
 2:33	Why did Aeneas bring the money to the apostles?	To report what God had done
 2:33	explain why Silas went to Joppa.	Because of a vision
 2:33	Upon whom did the Holy Spirit fall in Lystra?	Mark
 2:33	When we had finished the voyage from Tyre, where did we arrive?	Thessalonica
 2:33	When did Apollos shake the dust off his feet?	After forty days
 2:34	What I have I give to you: who said this?	The jailer
 2:34	On what day did James strengthen the churches?	On the day of Pentecost
 2:34	Whatever the council decided, what did Aeneas do?	With many tears
 2:34	Who spoke boldly?	Matthias
 2:35	Whatever the council decided, what did Ananias do?	Through prayer
 2:35	Who healed a lame man in Ephesus?	Mark
 2:35	When did Jason fall into a trance?	On the day of Pentecost
 2:35	When he had said this, where did John go?	Tyre
 2:35	Where did John sell a field?	Troas
 2:36	Off which coast did the ship sail near Puteoli?	Judea
 2:36	Why did Timothy go to Philippi?	Because of a plot against him
 2:36	Which disciple brought the money to the apostles?	Mark
 2:36	Did James heal a lame man in Galilee?	Yes
 2:36	When I had returned to Jerusalem, what happened to Cornelius?	^By laying on of hands
 2:37	Describe what John saw in Jerusalem.	The resurrection of the dead
 2:37	Besides Jason, who wrote a letter to the churches?	The centurion
 2:37	What I have I give to you: who said this?	Peter
 2:37	What, then, did Agabus say to the centurion?	"The apostles shook the dust off his feet."
 2:37	Upon whom did the Holy Spirit fall in Jerusalem?	Apollos
 2:37	How did Festus give thanks and break bread?	By the power of the Holy Spirit
 2:37	Into which city did Mark go after leaving Joppa?	Philippi
 2:38	Besides Peter, who prayed on the housetop?	Apollos
 2:38	By what power did Matthias receive the Holy Spirit?	With great boldness
 2:38	When his friends heard, what did Ananias do?	By the power of the Holy Spirit
 2:38	What God has cleansed, what must Jason not call common?	The word of God
 2:38	How many days did Peter stay in Derbe?	Forty days
 2:38	Complete this: Silas said to the centurion, ...	"James shook the dust off his feet."
 2:39	When daylight came, what did the sailors see?
 2:39	when daylight came, what did the sailors see?	The Scriptures
 2:39	To what place did Gamaliel send Tabitha?	Cyprus
 2:39	By what power did Matthias stand before the council?	Through prayer
 2:39	What did Felix see in Jerusalem?	Signs and wonders
 2:39	Do you know who spoke boldly in Thessalonica?	Sosthenes
 2:40	When he had said this, where did Paul go?	To Troas
 2:40	When they heard this, what did they do in Thessalonica?	By the power of the Holy Spirit
 2:40	By what power did Gamaliel shake the dust off his feet?	With many tears
 2:40	Whoever calls on the name of the Lord shall be what?	The Scriptures
 2:41	To what place did Matthias send the jailer?	Rome
 2:41	About what did Peter argue with Rhoda?	The resurrection of the dead
 2:41	Which disciple went up to the temple to pray?	John
 2:41	What, then, did Silas say to Rhoda?	"Saul brought the money to the apostles."
 2:42	Who set sail in Rome?	Aquila
 2:42	Which city did Peter visit after Lystra?	Miletus
 2:42	In what city did Stephen shake the dust off his feet?	Rome
 2:42	What did John see in Tyre?	A viper
 2:43	To whom did Aeneas speak in Damascus?	Tabitha
 2:43	Where did Apollos go up to the temple to pray?	Tarsus
 2:43	Whom did Mark meet in Caesarea?	Saul
 2:43	How did Aquila sell a field?	By faith in his name
 2:43	Did Aeneas give thanks and break bread in Galilee?	Yes
 2:43	Whom did James meet in Samaria?	Peter
 2:44	Whom did Agabus meet in Seleucia?	The elders
 2:44	Which city did Apollos visit after Judea?	Berea
 2:44	Did Crispus write a letter to the churches in Antioch?	Yes
 2:44	According to Mark, who prayed on the housetop?	Jason
 2:44	Into which city did Felix go after leaving Joppa?	Cyprus
 2:45	Are we told who gave thanks and broke bread in Rome?	No, Festus stood before the council
 2:45	When Godly men buried Stephen, what did they do?	With one accord
 2:45	How did John receive the Holy Spirit?	In the name of Jesus
 2:45	Who set sail?	King Agrippa
 2:46	Into which city did Agabus go after leaving Lydda?	Judea
 2:46	Of what were the apostles accused in Samaria?	A viper
 2:46	Which disciple stood before the council?	Barnabas
 2:46	When did Aeneas baptize the new believers?	At daybreak
 2:46	Give the name of the man who appointed elders.	^Gamaliel
 2:47	Can you name the one who received the Holy Spirit?	Agabus
 2:47	To whom did Agabus speak in Philippi?	Peter
 2:47	According to Sosthenes, who preached the word?	The centurion
 2:47	After leaving Philippi, where did Mark go?	Perga
 2:47	By what power did Saul baptize the new believers?	In the name of Jesus
 2:47	With whom did Sosthenes travel to Tarsus?	Silas
 3: 1	According to Paul, who stood before the council?	Agabus
 3: 1	In what city did Saul fall into a trance?	Thessalonica
 3: 1	How did Festus lay hands on the disciples?	With many tears
 3: 1	Because of tongues of fire, what did Timothy do?	By faith in his name
 3: 1	Did Agabus reason with the Jews in the synagogue in Thessalonica?	^Yes
 3: 1	Which disciple laid hands on the disciples?	Sosthenes
 3: 1	When did James pray on the housetop?	At the sixth hour
 3: 2	Where did James go up to the temple to pray?	Tarsus
 3: 2	Who shook the dust off his feet?	Cornelius
 3: 2	Is it true that Sosthenes strengthened the churches in Philippi?	Yes
 3: 2	Name the city where Agabus healed a lame man.	Ephesus
 3: 2	Of whom did Sosthenes speak in Judea?	Agabus
 3: 2	Explain why Timothy went to Antioch.	Because of a plot against him
 3: 3	Whatever the council decided, what did Barnabas do?	Through prayer
 3: 3	Which city did Festus visit after Perga?	Corinth
 3: 3	When they heard this, what did they do in Galilee?	By laying on of hands
 3: 3	From where did Matthias come to Samaria?	Derbe
 3: 4	Why did Agabus go to Perga?	To preach the gospel
 3: 4	At what hour did Timothy speak boldly?	At midnight
 3: 4	Who healed a lame man in Seleucia?	^Silas
 3: 4	When Moses saw the burning bush, what did he do?	With one accord
 3: 5	Where did Aquila speak boldly?	Seleucia
 3: 5	Under which ruler did Mark shake the dust off his feet?	The elders
 3: 5	Among whom did Saul stay in Cyprus?	Aquila
 3: 5	When they heard this, what did they do in Philippi?	By faith in his name
 3: 6	What did Paul see in Cyprus?	Tongues of fire
 3: 6	Of what were the apostles accused in Tarsus?	Bread
 3: 6	Against whom did Sosthenes speak in Jerusalem?	The believers
 3: 6	Give the name of the man who gave thanks and broke bread.	James
 3: 6	When Moses saw the burning bush, what did he do?	With one accord
 3: 6	Which disciple set sail?	Sosthenes
 3: 7	Is it true that Stephen sold a field in Jerusalem?	No, they wrote a letter to the churches
 3: 7	When Apollos wanted to cross to Achaia, who wrote to the disciples?	Gamaliel
 3: 7	When Barnabas came to Malta, what did he see?	Signs and wonders
 3: 7	Who went up to the temple to pray?	Stephen
 3: 7	Who raised Tabitha from the dead in Lystra?
 3: 7	Into which city did Felix go after leaving Philippi?	Lydda
 3: 7	Name the city where Agabus stood before the council.	Ephesus
 3: 8	When all the people saw it, what did they do?	With many tears
 3: 8	At what hour did Festus stand before the council?	At midnight
 3: 8	For what reason did Festus leave Ephesus?	Because they were afraid
 3: 8	How many days did Matthias stay in Lystra?	Two years
 3: 9	Who strengthened the churches in Galilee?	Felix
 3: 9	How true it is that God shows no partiality: who said this?	Festus
 3: 9	What did Cornelius see in Perga?	The name of Jesus
 3: 9	For what reason did Aeneas leave Judea?	Because of a plot against him
 3: 9	When Apollos wanted to cross to Achaia, who wrote to the disciples?	The jailer
 3: 9	For what reason did Stephen leave Judea?	Because of the persecution
 3:10	When God raised up his servant, to whom did he send him first?	The apostles
 3:10	When they heard this, what did they do in Thessalonica?	Through prayer
 3:10	Into which city did Festus go after leaving Damascus?	Antioch
 3:10	Besides Matthias, who prayed on the housetop?	Gamaliel
 3:10	Who raised Tabitha from the dead?	Peter
 3:11	By what power did James reason with the Jews in the synagogue?	Through prayer
 3:11	What did Mark see in Samaria?	The gift of God
 3:11	To whom did Timothy speak in Seleucia?	Lydia
 3:11	Name two people who sold a field.	Tabitha
 3:11	By what power did Philip preach the word?	With many tears
 3:12	What seemed good to the Holy Spirit and to the apostles in Lystra?	Tongues of fire
 3:12	When did Aeneas pray on the housetop?	On the Sabbath
 3:12	Against whom did Cornelius speak in Derbe?	The apostles
 3:12	Who wrote a letter to the churches in Joppa?	The centurion
 3:12	Where did Crispus go up to the temple to pray?	Iconium
 3:13	At what hour did Festus strengthen the churches?	On the day of Pentecost
 3:13	About what did Agabus argue with Priscilla?	The gift of God
 3:13	When Jacob heard that there was grain in Egypt, whom did he send?	The high priest
 3:13	Explain why Aeneas went to Philippi.	To report what God had done
 3:13	Whom did Barnabas meet in Judea?	Philip
 3:13	Before whom did John stand in Seleucia?	^The elders
 3:14	Where did Ananias stay many days?	Miletus
 3:14	Name the city where Mark fell into a trance.	Lydda
 3:14	What did the apostles give to Stephen?	The word of God
 3:14	Where did Timothy heal a lame man?	Troas
 3:14	Who stayed many days in Joppa?	The high priest
 3:15	Besides Saul, who spoke boldly?	John
 3:15	Upon whom did the Holy Spirit fall in Troas?	Crispus
 3:15	Who strengthened the churches in Tyre?	The believers
 3:15	At what hour did Crispus shake the dust off his feet?
 3:16	Whatever the council decided, what did James do?	With many tears
 3:16	When Saul came to Lydda, whom did he try to join?	Lydia
 3:16	According to Aquila, who saw a vision?	Saul
 3:16	Who stood before the council in Perga?	King Agrippa
 3:17	What did Sergius Paulus give to Aeneas?	The name of Jesus
 3:17	Name the city where John spoke boldly.	Lystra
 3:17	When did John receive the Holy Spirit?	On the Sabbath
 3:17	What God has cleansed, what must Mark not call common?	The word of God
 3:17	By what power did Felix shake the dust off his feet?	By laying on of hands
 3:17	Name the city where Stephen appointed elders.
 3:18	Whose house did Ananias stay at in Seleucia?	The apostles
 3:18	According to Ananias, who wrote a letter to the churches?	Cornelius
 3:18	Where did Matthias set sail?	Jerusalem
 3:18	Is it true that Agabus brought the money to the apostles in Tyre?	Yes
 3:18	During which feast did Jason receive the Holy Spirit?	On the day of Pentecost
 3:19	When our days there were ended, where did we go?	To Tyre
 3:19	What did the crowd give to Silas?	The law of Moses
 3:19	In what city did Crispus preach the word?	Perga
 3:19	Who went up to the temple to pray in Joppa?	Philip
 3:19	Who brought the money to the apostles in Troas?	Jason
 3:20	With whom did Ananias travel to Damascus?	Crispus
 3:20	When did Peter fall into a trance?	After three days
 3:20	Into which city did Sosthenes go after leaving Philippi?	Jerusalem
 3:20	Can you name the one who raised Tabitha from the dead?	Aquila
 3:20	Will Jason return to Damascus?	^Yes
 3:20	By what power did Silas raise Tabitha from the dead?	Through prayer
 3:21	Among whom did Aquila stay in Berea?	Felix
 3:21	When did Aeneas receive the Holy Spirit?	On the day of Pentecost
 3:21	Besides Jason, who healed a lame man?	Matthias
 3:21	Is it true that Cornelius stood before the council in Rome?	Yes
 3:21	Before whom did Gamaliel stand in Tarsus?	The believers
 3:22	When they heard this, what did they do in Miletus?	With great boldness
 3:22	After leaving Athens, where did John go?	Thessalonica
 3:22	Whom did Agabus meet in Samaria?	The apostles
 3:22	Give the name of the man who gave thanks and broke bread.	Barnabas
 3:22	Who healed a lame man in Caesarea?	The high priest
 3:22	How did John strengthen the churches?	By the power of the Holy Spirit
 3:23	When the crowd saw what Peter had done, what did they shout?	"The people sold a field."
 3:23	What did the centurion give to Saul?	Signs and wonders
 3:23	When Apollos wanted to cross to Achaia, who wrote to the disciples?	Cornelius
 3:24	Through which region did Gamaliel travel to Antioch?	Athens
 3:24	From where did Sosthenes come to Athens?	Judea
 3:24	When Silas and Timothy came from Macedonia, what did Stephen do?	By the power of the Holy Spirit
 3:24	With whom did Barnabas travel to Damascus?	Jason
 3:24	What I have I give to you: who said this?	The council
 3:24	When Barnabas came to Malta, what did he see?	The gift of God
 3:25	Who fell into a trance in Judea?	Stephen
 3:25	In what city did Paul stay many days?	Malta
 3:25	Where did Barnabas bring the money to the apostles?
 3:25	When the crowd saw what Sosthenes had done, what did they shout?	"Crispus raised Tabitha from the dead."
 3:25	Why did Festus heal a lame man?	Because the Spirit sent him
 3:26	What did the centurion give to Barnabas?	The word of God
 3:26	Who preached the word in Joppa?	Philip
 3:26	What did Apollos see in Rome?	The Scriptures
 3:26	Upon whom did the Holy Spirit fall in Tyre?	Aeneas
 3:26	Of whom did Peter speak in Judea?	Priscilla
