 1: 2	CV	in what city did Jason bring the money to the apostles? Berea
 1: 3	CV	about what did Ananias argue with the governor? Chains
 1: 6	CV	where did Ananias bring the money to the apostles? Perga
 1: 7	CV	under which ruler did James raise Tabitha from the dead? The believers
 1: 8	CV	what did Philip see in Malta? The law of Moses
 1: 9	CV	whom did Stephen meet in Puteoli? Lydia
 1:10	CV	who raised Tabitha from the dead in Iconium? The crowd
 1:11	CV	what did the believers give to Crispus? A viper
 1:13	CV	against whom did James speak in Ephesus? Philip
 1:15	CV	through which region did Philip travel to Lystra? Puteoli
 1:16	CV	who appointed elders in Derbe? Crispus
 2: 2	CV	who set sail in Iconium? The elders
 2: 6	CV	what did the centurion give to Saul? The resurrection of the dead
 2: 8	CV	when did Felix go up to the temple to pray? On the Sabbath
 2: 9	CV	against whom did Agabus speak in Cyprus? The jailer
 2:10	CV	over which church did James watch in Seleucia? Ephesus
 2:11	CV	who raised Tabitha from the dead in Antioch? The apostles
 2:12	CV	where did John fall into a trance? Corinth
 2:13	CV	whom did Aeneas meet in Lydda? Aquila
 2:14	CV	to what place did Agabus send the crowd? Thessalonica
 2:15	CV	who, besides Peter, raised Tabitha from the dead? Cornelius
 2:19	CV	to what place did Jason send the high priest? Antioch
 2:20	CV	who laid hands on the disciples in Derbe? Silas
 2:21	CV	whom did Aeneas meet in Damascus? Gamaliel
 2:24	CV	of whom did Peter speak in Malta? Sergius Paulus
 2:25	CV	did Festus write a letter to the churches in Cyprus? No, the brothers saw a vision
 2:25	CV	to whom did Crispus speak in Derbe? Philip
 2:26	CV	which city did Jason visit after Damascus? Cyprus
 2:30	CV	who reasoned with the Jews in the synagogue in Athens? The elders
 2:35	CV	why did Agabus go to Seleucia? Because of the persecution
 2:36	CV	why did Paul go to Puteoli? To strengthen the disciples
 2:38	CV	where did Peter bring the money to the apostles? Perga
 2:42	CV	against whom did Barnabas speak in Troas? Felix
 2:44	CV	from whom did Crispus receive a sheet full of animals? The jailer
 2:45	CV	how did Matthias fall into a trance? By faith in his name
 3: 6	CV	when did Cornelius appoint elders? At midnight
 3: 8	CV	what did Ananias see in Seleucia? The Scriptures
 3: 8	CV	who raised Tabitha from the dead in Tyre? Sergius Paulus
 3:10	CV	where did Jason lay hands on the disciples? Jerusalem
 3:10	CV	who strengthened the churches in Caesarea? Jason
 3:12	CV	from where did Matthias come to Troas? Cyprus
 3:13	CV	who laid hands on the disciples in Antioch? Ananias
 3:18	CV	at what hour did Aeneas write a letter to the churches? During the night
 3:20	CV	before whom did Agabus stand in Joppa? King Agrippa
 3:21	CV	are we told who saw a vision in Tyre? No, the apostles set sail
 3:23	CV	whom did Festus meet in Rome? Felix
 3:25	CV	on what day did Paul pray on the housetop? At daybreak
 3:26	CV	which disciple stood before the council? Silas
